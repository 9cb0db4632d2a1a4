#!/usr/bin/env bash
# Shows on Debian's own kernel and udev, in a virtual machine, that `quellarine --allow-devices` gives the user at
# the computer the pointing devices and /dev/uinput, and nothing more (tests/DeviceAccess/device-access.sh).
# Needs a build (scripts/build.sh); about 30 s.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${QUELLARINE_BUILD_DIR:-$root/build}
cd "$root"
exec scripts/vm/run-in-vm --timeout 300 -- tests/DeviceAccess/device-access.sh "$build"

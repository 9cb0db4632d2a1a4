#!/usr/bin/env bash
# Shows on Debian's own kernel and udev, in a virtual machine, that the Debian package gives /dev/uinput to its
# device helper alone and takes that back when purged (tests/Packaging/package-access.sh). Needs the package
# (scripts/package.sh makes it); about 40 s.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${QUELLARINE_BUILD_DIR:-$root/build}
packages=("$build"/quellarine_*.deb)
[[ -f ${packages[0]} ]] || { echo "package-access-test: make the package first (scripts/package.sh)" >&2; exit 2; }
cd "$root"
exec scripts/vm/run-in-vm --timeout 300 -- tests/Packaging/package-access.sh "$(readlink -f "${packages[0]}")"

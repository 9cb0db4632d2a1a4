#!/usr/bin/env bash
# Installs what is missing, builds Quellarine and starts it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
build=${QUELLARINE_BUILD_DIR:-$root/build}
# Run as root, it also gives the user at the computer the pointing devices and /dev/uinput (a udev rule, and uinput
# loaded at boot), through which Quellarine steadies the pointer in Wayland and X11 sessions alike.
if [[ $(id -u) -eq 0 ]]; then
  echo "Quellarine: allowing the pointing devices to the user at the computer"
  "$build/Quellarine/quellarine" --allow-devices
fi
echo "Quellarine: starting"
exec "$build/Quellarine/quellarine" "$@"

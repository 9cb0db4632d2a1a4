#!/usr/bin/env bash
# Installs what the application needs, builds only the application and its relaunch helper into build/ (or the
# folder given as QUELLARINE_BUILD_DIR) and starts it; arguments go to the application.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${QUELLARINE_BUILD_DIR:-$root/build}
"$root/scripts/setup.sh" run
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUELLARINE_BUILD_TESTS=OFF -DQUELLARINE_BUILD_BENCH=OFF)
if [[ -n ${QUELLARINE_ICON_ASSETS:-} ]]; then
  options+=(-DQUELLARINE_ICON_ASSETS="$QUELLARINE_ICON_ASSETS")
fi

echo "Quellarine: configuring in $build"
cmake -S "$root" -B "$build" -G Ninja "${options[@]}" >/dev/null
echo "Quellarine: building the application"
cmake --build "$build" --parallel "$(nproc)" --target quellarine quellarine-relaunch quellarine-device-helper
# Run as root, it also gives the user at the computer the pointing devices and /dev/uinput (a udev rule, and uinput
# loaded at boot), through which Quellarine steadies the pointer in Wayland and X11 sessions alike.
if [[ $(id -u) -eq 0 ]]; then
  echo "Quellarine: allowing the pointing devices to the user at the computer"
  "$build/Quellarine/quellarine" --allow-devices
fi
echo "Quellarine: starting"
exec "$build/Quellarine/quellarine" "$@"

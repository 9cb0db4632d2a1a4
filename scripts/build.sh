#!/usr/bin/env bash
# Configures and builds Quellarine with its tests and benchmarks into build/ (or the folder given as
# QUELLARINE_BUILD_DIR). Arguments are CMake options, which win over these; QUELLARINE_ICON_ASSETS, when set,
# names a copy of the icon package fetched earlier.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${QUELLARINE_BUILD_DIR:-$root/build}
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUELLARINE_BUILD_TESTS=ON -DQUELLARINE_BUILD_BENCH=ON)
if [[ -n ${QUELLARINE_ICON_ASSETS:-} ]]; then
  options+=(-DQUELLARINE_ICON_ASSETS="$QUELLARINE_ICON_ASSETS")
fi

echo "Quellarine: configuring in $build"
cmake -S "$root" -B "$build" -G Ninja "${options[@]}" "$@" >/dev/null
echo "Quellarine: building"
cmake --build "$build" --parallel "$(nproc)"

#!/usr/bin/env bash
# Configures and builds Quellarine into build/ (or the folder given as QUELLARINE_BUILD_DIR).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${QUELLARINE_BUILD_DIR:-$root/build}

echo "Quellarine: configuring in $build"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
echo "Quellarine: building"
cmake --build "$build" --parallel "$(nproc)"

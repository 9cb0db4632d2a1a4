#!/usr/bin/env bash
# Installs what is missing, builds Quellarine with its tests and benchmarks, and runs every test. Arguments are
# CMake options for the build (CI adds -DQUELLARINE_WERROR=ON).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${QUELLARINE_BUILD_DIR:-$root/build}
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$@"
echo "Quellarine: running the tests"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" --timeout 300 --label-exclude screenshots
# The screenshots are artefacts to look at, not tests: written after the tests, in every appearance.
echo "Quellarine: writing the screenshots to $build/screenshots"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" --timeout 300 --label-regex screenshots

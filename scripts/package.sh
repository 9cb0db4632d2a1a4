#!/usr/bin/env bash
# Makes the Debian package from the build in build/ (or QUELLARINE_BUILD_DIR; scripts/build.sh configures it),
# checks its files as the tests check an installation, and prints the package's path.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${QUELLARINE_BUILD_DIR:-$root/build}

cmake --build "$build" --parallel "$(nproc)" --target quellarine quellarine-relaunch quellarine-device-helper quellarine-icons >&2
rm -f "$build"/quellarine_*.deb
(cd "$build" && cpack -G DEB) >&2
packages=("$build"/quellarine_*.deb)
package=${packages[0]}

cmake -DPACKAGE="$package" -DSOURCE_DIR="$root" -DROOT="$build/package-check" \
  -DDESKTOP_FILE_VALIDATE="$(command -v desktop-file-validate)" -DAPPSTREAMCLI="$(command -v appstreamcli)" \
  -P "$root/tests/Packaging/CheckInstall.cmake" >&2
# The libraries it links come in as dependencies, Qt's among them.
if ! dpkg-deb --field "$package" Depends | grep -q 'libqt6widgets6'; then
  echo "Quellarine package: $package does not depend on Qt's libraries: $(dpkg-deb --field "$package" Depends)" >&2
  exit 1
fi
echo "$package"

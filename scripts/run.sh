#!/usr/bin/env bash
# Installs what is missing, builds Quellarine and starts it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
echo "Quellarine: starting"
exec "${QUELLARINE_BUILD_DIR:-$root/build}/Quellarine/quellarine" "$@"

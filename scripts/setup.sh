#!/usr/bin/env bash
# Installs what building Quellarine needs on Debian 12, and only what is missing. Sourced by the run and test
# commands; safe to run again.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

QUELLARINE_PACKAGES=(
  build-essential cmake ninja-build pkg-config
  nlohmann-json3-dev libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-base-dev-tools libqt6svg6
  qt6-translations-l10n
  libx11-dev libx11-xcb-dev libxcb1-dev libxcb-record0-dev libxcb-xtest0-dev libxi-dev libxtst-dev libxrandr-dev libxkbcommon-dev libicu-dev
  xvfb xauth x11-xserver-utils x11-xkb-utils
  # bench/ApplicationLatencyBench: a light window manager for the private desktop
  openbox
  fonts-inter fonts-noto-core fonts-noto-cjk fonts-noto-mono dbus-daemon openssl
  # scripts/fuzz.sh: clang with libFuzzer and the sanitizers' runtimes, and the symbolizer for their reports
  clang-14 libclang-rt-14-dev llvm-14
)
# Node.js may come from elsewhere than Debian; only ask for Debian's when there is no npm at all.
if ! command -v npm >/dev/null 2>&1; then
  QUELLARINE_PACKAGES+=(nodejs npm)
fi

missing=()
for package in "${QUELLARINE_PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
    missing+=("$package")
  fi
done

if ((${#missing[@]})); then
  echo "Quellarine set-up: installing system packages: ${missing[*]}"
  if [[ $(id -u) -eq 0 ]]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
  else
    echo "These packages are missing and installing them needs root. Run:" >&2
    echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
else
  echo "Quellarine set-up: all system packages are present."
fi

# The icons come from npm at the version pinned in resources/package-lock.json; the build picks its SVGs.
if [[ ! -d "$root/resources/node_modules/@phosphor-icons/core/assets" ]]; then
  echo "Quellarine set-up: installing the icon package"
  npm ci --prefix "$root/resources" --no-audit --no-fund
fi

#!/usr/bin/env bash
# Installs what Quellarine needs on Debian 12, and only what is missing; safe to run again.
#
#   scripts/setup.sh run    what building and running the application needs (scripts/run.sh)
#   scripts/setup.sh        that, and what the tests, benchmarks, fuzzing and the package need (the default)
#
# The icon package comes from npm into resources/node_modules, unless QUELLARINE_ICON_ASSETS names the assets
# folder of a copy fetched earlier (the build takes the same variable).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
purpose=${1:-test}

RUN_PACKAGES=(
  build-essential cmake ninja-build pkg-config
  nlohmann-json3-dev libicu-dev libpng-dev
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libx11-dev libx11-xcb-dev libxcb1-dev libxcb-record0-dev libxcb-xtest0-dev libxi-dev libxtst-dev libxrandr-dev
  libxkbcommon-dev
  # the backend on the kernel's input devices
  libinput-dev libevdev-dev libudev-dev libsystemd-dev
  # setfacl, which the keyboards' rule runs to give them to the device helper's group
  acl
  # the typefaces the views ask for, and the scripts of every language offered: Latin, Cyrillic, Arabic, Bengali
  # and Devanagari in Noto's core set, Chinese in its CJK set
  fonts-inter fonts-noto-core fonts-noto-cjk
)
TEST_PACKAGES=(
  libgtest-dev libgmock-dev libbenchmark-dev
  # the photo tests write and read JPEG files with libjpeg itself
  libjpeg-dev
  # private X servers, a session bus and a local TLS server for the tests
  xvfb xauth x11-xserver-utils x11-xkb-utils dbus-daemon openssl
  # the D-Bus fuzz targets build their messages with libdbus
  libdbus-1-dev
  # the desktop's accessibility bus and registry, which the screen-reader tests read the application's tree over
  at-spi2-core
  # bench/ApplicationLatencyBench: a light window manager for the private desktop
  openbox
  # the monospaced face in the screenshots
  fonts-noto-mono
  # the checks of the desktop entry and the AppStream metadata, and the Debian package's dependencies
  desktop-file-utils appstream dpkg-dev file
  # a Wayland session's X server for the tests (weston's headless compositor with Xwayland)
  weston xwayland
  # scripts/vm: a real kernel under QEMU, on KVM or emulated (Debian's kernel package, unpacked here), and inside it a
  # compositor on the emulated VGA card with udev handing it the input devices; the compositor test's own client
  qemu-system-x86 busybox-static cpio xz-utils kmod udev libwayland-dev wayland-protocols
  # and a second compositor, which sets a device's input settings for it alone and offers clients gestures, with
  # the seat manager that lends it the input devices
  sway seatd
  # scripts/fuzz.sh: Debian's clang with libFuzzer and the sanitizers' runtimes, and the symbolizer for reports
  clang libclang-rt-dev llvm
  # scripts/format-check.sh
  clang-format
)

case $purpose in
  run) packages=("${RUN_PACKAGES[@]}") ;;
  test) packages=("${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}") ;;
  *) echo "usage: scripts/setup.sh [run|test]" >&2; exit 2 ;;
esac
icons=${QUELLARINE_ICON_ASSETS:-}
# Node.js may come from elsewhere than Debian; only ask for Debian's when npm is needed and there is none.
if [[ -z $icons ]] && ! command -v npm >/dev/null 2>&1; then
  packages+=(nodejs npm)
fi

missing=()
for package in "${packages[@]}"; do
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
    echo "  sudo apt-get update && sudo apt-get install -y --no-install-recommends ${missing[*]}" >&2
    exit 1
  fi
else
  echo "Quellarine set-up: all system packages are present."
fi

# The icons come from npm at the version pinned in resources/package-lock.json; the build picks its SVGs.
if [[ -n $icons ]]; then
  if [[ ! -d $icons/regular ]]; then
    echo "QUELLARINE_ICON_ASSETS=$icons is not the icon package's assets folder (it has no regular/)" >&2
    exit 1
  fi
elif [[ ! -d "$root/resources/node_modules/@phosphor-icons/core/assets" ]]; then
  echo "Quellarine set-up: installing the icon package"
  # As root (under sudo), as the one who owns the checkout: their folder holds nothing only root may change.
  owner=$(stat -c %U "$root/resources")
  if [[ $(id -u) -eq 0 && $owner != root ]]; then
    runuser -u "$owner" -- npm ci --prefix "$root/resources" --no-audit --no-fund
  else
    npm ci --prefix "$root/resources" --no-audit --no-fund
  fi
fi

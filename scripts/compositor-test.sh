#!/usr/bin/env bash
# Steadying under a real Wayland compositor: weston on Debian's own kernel in a virtual machine, a uinput hand, an
# ordinary Wayland client, and the application between them (tests/Compositor/session.py). The same hand is first
# played on an X server on this machine through the application's X11 path; the compositor's client must see the
# hand steadied at least as well, and never see the raw hand. Then a built-in touchpad and a second mouse, under
# weston started again with other libinput settings: the client must receive from them through the application what
# it receives without it. Prints the figures of both.
#
#     scripts/compositor-test.sh [STEADIER [ARG...]]     (default: the application)
#
# Needs a build (scripts/build.sh); about 2 minutes. Logs and the screen are kept in the build folder's
# compositor-test/.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${QUELLARINE_BUILD_DIR:-$root/build}
cd "$root"
steadier=("$@")
((${#steadier[@]})) || steadier=("$build/Quellarine/quellarine")
out=$build/compositor-test
rm -rf "$out" && mkdir -p "$out/x11" "$out/wayland"

echo "Quellarine compositor test: the hand on an X server, through the X11 path"
"$build/tests/Compositor/quellarine-x11-session" "$out/x11" "$build/Quellarine/quellarine" > "$out/x11/session.log" 2>&1 \
  || { cat "$out/x11/session.log"; exit 1; }
echo "Quellarine compositor test: the hand under weston, in a virtual machine"
scripts/vm/run-in-vm --vga --cpus 4 --memory 1536 --timeout 900 --share "$out/wayland" --log "$out/wayland/vm.log" \
  --quiet -- tests/Compositor/session.py "$out/wayland" "$build" -- "${steadier[@]}" \
  || { grep -v '^ *[0-9.]* *$' "$out/wayland/vm.log" | tail -n 30; exit 1; }
echo "Quellarine compositor test: figures (under weston | on the X server)"
tests/Compositor/figures.py "$out/wayland" --check --against "$out/x11"

#!/usr/bin/env bash
# Tries the Debian package as a user gets it, on a fresh Debian 12 root made with debootstrap (as root; it
# downloads Debian's base system once into build/debian12-base): installs the package there with the libraries it
# depends on, starts the program as its desktop entry says on a private X server and waits for its window, then
# removes the package and checks that the root holds exactly what it held before.
#
#   scripts/package-check.sh [package.deb]     (default: the one scripts/package.sh makes)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${QUELLARINE_BUILD_DIR:-$root/build}
package=${1:-$("$root/scripts/package.sh")}
package=$(readlink -f "$package")
base=$build/debian12-base
chroot=$build/debian12-check

if [[ $(id -u) -ne 0 ]]; then
  echo "scripts/package-check.sh makes and enters a Debian root, which needs root" >&2
  exit 1
fi
if ! command -v debootstrap >/dev/null || ! command -v xwininfo >/dev/null; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap x11-utils xvfb
fi
# Removes a root, but never while anything is mounted inside it: that would reach into this machine's /dev.
remove_root() {
  if awk -v root="$1/" 'index($5 "/", root) == 1 { found = 1 } END { exit !found }' /proc/self/mountinfo; then
    echo "Quellarine package check: $1 still has mounts inside; leaving it" >&2
    return 1
  fi
  rm -rf --one-file-system "$1"
}

if [[ ! -x $base/usr/bin/apt-get ]]; then
  echo "Quellarine package check: making a Debian 12 root in $base"
  remove_root "$base"
  remove_root "$base.partial"
  debootstrap --variant=minbase bookworm "$base.partial" http://deb.debian.org/debian >/dev/null
  mv "$base.partial" "$base"
fi
remove_root "$chroot"
cp -a "$base" "$chroot"

mounts=()
xvfb=
cleanup() {
  [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
    umount "${mounts[i]}" || umount -l "${mounts[i]}"
  done
  remove_root "$chroot"
}
trap cleanup EXIT
mount_into() {
  mkdir -p "$chroot$2"
  mount "${@:3}" "$1" "$chroot$2"
  mounts+=("$chroot$2")
}
mount_into proc /proc -t proc
mount_into /dev /dev --bind
mount_into /tmp/.X11-unix /tmp/.X11-unix --bind
cp /etc/resolv.conf "$chroot/etc/resolv.conf"
inside() { chroot "$chroot" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root "$@"; }
# Inside the root there is no terminal for the package manager's log.
in_apt() { inside env DEBIAN_FRONTEND=noninteractive apt-get -o Dpkg::Use-Pty=0 -y -qq "$@" >/dev/null; }

# What the root holds, leaving out the package manager's own records, caches and logs and the user's home.
snapshot() {
  (cd "$chroot" && find . -xdev \( -path ./proc -o -path ./dev -o -path ./tmp -o -path ./run -o -path ./root \
    -o -path ./var/lib/dpkg -o -path ./var/lib/apt -o -path ./var/cache -o -path ./var/log \) -prune \
    -o -printf '%p %y %m\n' | sort)
}

echo "Quellarine package check: installing $(basename "$package") and its dependencies"
in_apt update
before=$(snapshot)
cp "$package" "$chroot/tmp/"
in_apt install --no-install-recommends "/tmp/$(basename "$package")"
inside dpkg -L quellarine | while read -r file; do [[ -d $chroot$file ]] || echo "  $file"; done

# The menu starts what the entry's Exec line names (it has no field codes to expand).
entry=$chroot/usr/share/applications/com.temrid.Quellarine.desktop
read -r -a command < <(sed -n 's/^Exec=//p' "$entry")
display=
for number in $(seq 90 120); do
  if [[ ! -e /tmp/.X11-unix/X$number && ! -e /tmp/.X$number-lock ]]; then
    display=:$number
    break
  fi
done
Xvfb "$display" -screen 0 1366x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X${display#:} ]] && break; sleep 0.1; done
mkdir -p "$chroot/run/user/0" && chmod 700 "$chroot/run/user/0"
echo "Quellarine package check: starting \"${command[*]}\" as the desktop entry says"
# In French, to see that the installed program finds its translations: its first window greets in French.
inside env DISPLAY="$display" XDG_RUNTIME_DIR=/run/user/0 LANG=C.UTF-8 LANGUAGE=fr "${command[@]}" \
  >"$build/package-check-app.log" 2>&1 &
app=$!
window=
for _ in $(seq 100); do
  window=$(xwininfo -display "$display" -root -tree 2>/dev/null | grep '("quellarine" "Quellarine")' || true)
  [[ -n $window ]] && break
  kill -0 "$app" 2>/dev/null || break
  sleep 0.2
done
kill "$app" 2>/dev/null || true
wait "$app" 2>/dev/null || true
if [[ -z $window ]]; then
  echo "Quellarine package check: the installed program showed no window; its output:" >&2
  cat "$build/package-check-app.log" >&2
  exit 1
fi
echo "  its window:$(head -n 1 <<<"$window")"
if ! grep -q '"Bienvenue dans Quellarine"' <<<"$window"; then
  echo "Quellarine package check: the installed program did not greet in French" >&2
  exit 1
fi

echo "Quellarine package check: removing the package and what it pulled in"
in_apt purge quellarine
in_apt autoremove --purge
after=$(snapshot)
if [[ $before != "$after" ]]; then
  echo "Quellarine package check: the root differs from before the installation:" >&2
  diff <(echo "$before") <(echo "$after") >&2 || true
  exit 1
fi
echo "Quellarine package check: installed, started from its desktop entry, and removed without a trace"

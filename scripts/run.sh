#!/usr/bin/env bash
# Installs what the application needs, builds only the application and its relaunch helper into build/ (or the
# folder given as QUELLARINE_BUILD_DIR) and starts it; arguments go to the application.
#
# Run as root, it also gives the user at the computer the pointing devices and /dev/uinput (a udev rule, and uinput
# loaded at boot), through which Quellarine steadies the pointer in Wayland and X11 sessions alike. It never starts
# the application as root: under sudo it starts it as the person who ran sudo, in their session; from a root login
# it says how to start it. The application starts whatever the access step did: its window says what is missing.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${QUELLARINE_BUILD_DIR:-$root/build}
app=$build/Quellarine/quellarine

# The person to start the application as: the caller, or under sudo the one who ran it; none for a root login.
person=$(id -un)
if [[ $(id -u) -eq 0 ]]; then
  person=
  if [[ -n ${SUDO_USER:-} && ${SUDO_UID:-0} -ne 0 ]]; then
    person=$SUDO_USER
  fi
fi

# As root, the steps that need no root write into the build folder as the one who owns it (or the nearest folder
# above it that exists), so that a person's checkout never holds files only root may change.
as_owner() {
  local folder=$build
  while [[ ! -e $folder ]]; do folder=$(dirname "$folder"); done
  local owner
  owner=$(stat -c %U "$folder")
  if [[ $(id -u) -eq 0 && $owner != root ]]; then
    runuser -u "$owner" -- "$@"
  else
    "$@"
  fi
}

"$root/scripts/setup.sh" run
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUELLARINE_BUILD_TESTS=OFF -DQUELLARINE_BUILD_BENCH=OFF)
if [[ -n ${QUELLARINE_ICON_ASSETS:-} ]]; then
  options+=(-DQUELLARINE_ICON_ASSETS="$QUELLARINE_ICON_ASSETS")
fi

echo "Quellarine: configuring in $build"
as_owner cmake -S "$root" -B "$build" -G Ninja "${options[@]}" >/dev/null
echo "Quellarine: building the application"
as_owner cmake --build "$build" --parallel "$(nproc)" --target quellarine quellarine-relaunch quellarine-device-helper

access_given=yes
if [[ $(id -u) -eq 0 ]]; then
  echo "Quellarine: allowing the pointing devices to the user at the computer"
  # A failure here (a container without kernel modules, no udev) must not keep the window from opening: it names
  # the command again, and says what steadying lacks meanwhile.
  if ! output=$("$app" --allow-devices 2>&1); then
    access_given=
    # What the tools it ran said, then its own sentence on what failed, with the command to run again.
    head -n -1 <<<"$output" | sed 's/^/  /' >&2
    echo "Quellarine: the pointing devices were not allowed: $(tail -n 1 <<<"$output") Once that is mended," \
      "run: sudo $(printf %q "$app") --allow-devices" >&2
  fi
fi

# The environment of the person's own process that ran sudo (their shell in the session): sudo keeps too little
# of it (no WAYLAND_DISPLAY, XDG_RUNTIME_DIR or session bus) for the application to find the desktop.
session_environment() {
  local pid=$$
  while pid=$(sed -n 's/^PPid:[[:space:]]*//p' "/proc/$pid/status" 2>/dev/null) && ((pid > 1)); do
    if [[ $(stat -c %u "/proc/$pid") -eq $SUDO_UID ]]; then
      cat "/proc/$pid/environ"
      return
    fi
  done
  # None found (sudo from a process of root's): what sudo kept, with the person's own runtime folder and bus.
  local home runtime=/run/user/$SUDO_UID name
  home=$(getent passwd "$SUDO_USER" | cut -d: -f6)
  printf '%s\0' "HOME=$home" "USER=$SUDO_USER" "LOGNAME=$SUDO_USER" PATH=/usr/local/bin:/usr/bin:/bin
  for name in DISPLAY XAUTHORITY WAYLAND_DISPLAY XDG_SESSION_TYPE XDG_CURRENT_DESKTOP LANG LANGUAGE LC_ALL; do
    [[ -n ${!name:-} ]] && printf '%s\0' "$name=${!name}"
  done
  if [[ -d $runtime ]]; then
    printf '%s\0' "XDG_RUNTIME_DIR=$runtime"
    [[ -S $runtime/bus ]] && printf '%s\0' "DBUS_SESSION_BUS_ADDRESS=unix:path=$runtime/bus"
  fi
  return 0
}

if [[ -z $person ]]; then
  echo "Quellarine: not starting the application as root. Start it as the user at the computer, in their" \
    "session: $(printf %q "$app")"
  if [[ -z $access_given ]]; then exit 1; fi
  exit 0
fi
echo "Quellarine: starting"
if [[ $(id -u) -eq 0 ]]; then
  mapfile -d '' environment < <(session_environment)
  exec runuser -u "$person" -- env -i "${environment[@]}" "$app" "$@"
fi
exec "$app" "$@"

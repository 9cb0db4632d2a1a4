#!/bin/bash
# Inside the virtual machine (scripts/device-access-test.sh starts it): Debian's own udev with Quellarine's rule,
# an active seat whose user is the ordinary user 1000, and what that user (and another one) may open before and after the rule is
# installed: the pointing devices (one present at install, one plugged in afterwards), never the keyboard, and never
# /dev/uinput, which only the device helper, set-group-ID to the group quellarine, may open. Installs the rule the way
# the application tells the user to: `quellarine --allow-devices` as root. The application, running as that user since
# before the rule, then takes a hand and steadies it through the helper (steadied.py); the helper's own scenarios
# run as that user and as another one (tests/DeviceHelper/Kernel). Then
# the keyboards' grant, given the same way (`quellarine --allow-keyboards`) and taken back (`--disallow-keyboards`): the
# keyboard is the user's to read exactly while the rule is there, and the running application reads it exactly then.
#
#     device-access.sh BUILD
set -u
build=$1
user=1000
failures=0

expect() { # expect allowed|denied WHAT OPEN-REDIRECTION [USER]
  local want=$1 what=$2 who=${4:-$user} got=denied
  setpriv --reuid="$who" --regid="$who" --clear-groups -- sh -c ": $3" 2>/dev/null && got=allowed
  if [[ $got == "$want" ]]; then echo "PASS user $who $want: $what"; else
    echo "FAIL user $who $got, should be $want: $what"; failures=$((failures + 1)); fi
}
reads() { # whether the process has this node open
  local fd
  for fd in /proc/"$1"/fd/*; do [[ $(readlink "$fd") == "$2" ]] && return 0; done
  return 1
}
helper_reads() { # whether one of the application's helpers has the keyboard open
  local stat
  for stat in /proc/[0-9]*/stat; do
    [[ $(cut -d' ' -f4 "$stat" 2>/dev/null) == "$application" ]] || continue
    reads "$(cut -d' ' -f1 "$stat")" "$keyboard" && return 0
  done
  return 1
}
expect_reading() { # expect_reading yes|no WHAT: the application's helper reads the keyboard (or not) within seconds
  local i got=no
  for ((i = 0; i < 100; i++)); do
    if helper_reads; then got=yes; else got=no; fi
    [[ $got == "$1" ]] && break
    sleep 0.1
  done
  if [[ $got == "$1" ]]; then echo "PASS the application's helper reads the keyboard: $got ($2)"; else
    echo "FAIL the application's helper reads the keyboard: $got, should be $1 ($2)"; failures=$((failures + 1)); fi
  if reads "$application" "$keyboard"; then echo "FAIL the application itself reads the keyboard"; failures=$((failures + 1)); fi
}
has_entry() { # has_entry NODE ENTRY: the node's own access list (never through a link) holds the entry
  getfacl --physical --omit-header --numeric "$1" 2>/dev/null | grep -qx "$2"
}
expect_entry() { # expect_entry yes|no NODE ENTRY WHAT
  local got=no
  has_entry "$2" "$3" && got=yes
  if [[ $got == "$1" ]]; then echo "PASS $4: $3 on $2 $([[ $got == yes ]] && echo kept || echo absent)"; else
    echo "FAIL $4: $3 on $2 should be $([[ $1 == yes ]] && echo there || echo gone)"; failures=$((failures + 1)); fi
}
node_named() { # the event node of the input device with this name
  local device
  for device in /sys/class/input/event*; do
    [[ $(cat "$device/device/name") == "$1" ]] && { echo "/dev/input/${device##*/}"; return; }
  done
}
hand() { # starts a hand (a uinput mouse) that lives until the guest ends; sets `node` to its event node
  local fifo word
  fifo=$(mktemp -u /run/hand-XXXXXX) && mkfifo "$fifo.in" "$fifo.out"
  "$build/tests/Compositor/quellarine-hand-player" < "$fifo.in" > "$fifo.out" &
  exec {keep}> "$fifo.in"  # keeps the hand's stdin open
  read -r word node < "$fifo.out"
}

# logind's record of the seat and its sessions: the udev builtin that applies the seat's access lists reads it, and
# so does the device helper (sd-login). A session is switched in front as logind does it, by renaming a new record.
mkdir -p /run/systemd/seats /run/systemd/sessions
printf 'UID=1000\nREMOTE=0\nSEAT=seat0\n' > /run/systemd/sessions/c1
printf 'UID=1001\nREMOTE=0\nSEAT=seat0\n' > /run/systemd/sessions/c2
in_front() { # in_front SESSION USER
  printf 'ACTIVE=%s\nACTIVE_UID=%s\n' "$1" "$2" > /run/systemd/seats/.seat0 && mv /run/systemd/seats/.seat0 /run/systemd/seats/seat0
}
in_front c1 $user
/lib/systemd/systemd-udevd --daemon 2>/dev/null
udevadm trigger --action=add && udevadm settle -t 30
hand; first=$node
udevadm settle -t 30
keyboard=$(node_named "AT Translated Set 2 keyboard")
echo "hand at $first, keyboard at $keyboard"

echo "Without the rule:"
expect denied "the hand ($first)" "< $first"
expect denied "/dev/uinput" "> /dev/uinput"
expect denied "the keyboard ($keyboard)" "< $keyboard"

# The application, started by the user before the access exists, must take it up once it is given, with no restart.
home=$(mktemp -d /run/quellarine-home-XXXXXX) && chown "$user:$user" "$home" && chmod 700 "$home"
setpriv --reuid="$user" --regid="$user" --clear-groups -- env HOME="$home" XDG_CONFIG_HOME="$home/config" \
  XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home" QT_QPA_PLATFORM=offscreen "$build/Quellarine/quellarine" \
  > "$home/quellarine.log" 2>&1 &
application=$!

QT_QPA_PLATFORM=offscreen "$build/Quellarine/quellarine" --allow-devices || { echo "FAIL the installing command"; failures=$((failures + 1)); }
hand; second=$node
udevadm settle -t 30

echo "With the rule:"
expect allowed "the hand present at install ($first)" "< $first"
expect allowed "a hand plugged in later ($second)" "< $second"
expect denied "/dev/uinput, for any program of the user but the helper" "> /dev/uinput"
expect denied "the keyboard ($keyboard)" "< $keyboard"
expect denied "the hand, for a user not at the computer" "< $first" 1001
expect denied "/dev/uinput, for a user not at the computer" "> /dev/uinput" 1001
for node in "$first" "$second" "$keyboard" /dev/uinput; do
  echo "  $node: $(udevadm info -q property -n "$node" | grep -E '^(CURRENT_)?TAGS=' | tr '\n' ' ')"
done

helper=$build/Quellarine/quellarine-device-helper
if [[ $(stat -c '%G %A' "$helper") == "quellarine -rwxr-sr-x" ]]; then echo "PASS the helper is set-group-ID to quellarine"; else
  echo "FAIL the helper is $(stat -c '%G %A' "$helper")"; failures=$((failures + 1)); fi

echo "The application that was running all along:"
if ! "$(dirname "$0")/steadied.py" "$build"; then
  failures=$((failures + 1))
  cat "$home/quellarine.log"
fi

echo "The keyboards' grant:"
expect_reading no "only the pointing devices are allowed"
QT_QPA_PLATFORM=offscreen "$build/Quellarine/quellarine" --allow-keyboards || { echo "FAIL the keyboards' command"; failures=$((failures + 1)); }
quellarine=$(getent group quellarine | cut -d: -f3)
expect_entry yes "$keyboard" "group:$quellarine:r--" "the grant gives the helper's group"
expect denied "the keyboard ($keyboard), for any program of the user but the helper" "< $keyboard"
expect denied "the keyboard, for a user not at the computer" "< $keyboard" 1001
expect_reading yes "the grant noticed without a restart"

# The hot keys and the emergency gesture through the helper, as that user: the scenarios' typists are uinput
# keyboards, so the test program alone is given /dev/uinput, and it reads no keyboard itself (which leaves out the
# scenario that compares the times with its own reading of the keyboard; scripts/vm/kernel-tests runs it).
/usr/bin/setfacl -m "u:$user:rw" /dev/uinput
setpriv --reuid="$user" --regid="$user" --clear-groups -- env HOME="$home" \
  "$build/tests/Backends/Devices/QuellarineDevicesKernelTests" \
  --gtest_filter='DeviceKeyboardTest.*:KeyboardGrantTest.TheGrantIsFoundAsThisRunExpects-*HoweverLateTheyAreRead' \
  || failures=$((failures + 1))
/usr/bin/setfacl -x "u:$user" /dev/uinput

# Entries of others on the keyboard, and links under the input folder to a node and to a folder of nodes that carry
# the group's entry: taking the grant back leaves them all as they are.
groupadd --system quellarine-other
other=$(getent group quellarine-other | cut -d: -f3)
/usr/bin/setfacl -m "u:1002:r,g:$other:r" "$keyboard"
decoys=$(mktemp -d /run/decoys-XXXXXX)
mknod "$decoys/event0" c 1 3
/usr/bin/setfacl -m "g:$quellarine:r" "$decoys/event0"
ln -s "$decoys/event0" /dev/input/event90
ln -s "$decoys" /dev/input/event91
QT_QPA_PLATFORM=offscreen "$build/Quellarine/quellarine" --disallow-keyboards || { echo "FAIL the command taking the keyboards back"; failures=$((failures + 1)); }
expect_entry no "$keyboard" "group:$quellarine:r--" "taken back"
expect_entry yes "$keyboard" "user:1002:r--" "another user's entry"
expect_entry yes "$keyboard" "group:$other:r--" "another group's entry"
expect_entry yes "$decoys/event0" "group:$quellarine:r--" "no link followed"
rm /dev/input/event90 /dev/input/event91
expect denied "the keyboard ($keyboard), once the grant is taken back" "< $keyboard"
expect_reading no "the grant taken back"
expect allowed "the hand, still" "< $first"

kill "$application"
wait "$application"

# Once the application is gone: it would take the test's devices for a hand's.
echo "The device helper, as the user in front and as another user:"
# The test plays logind switching the seat to another session and back.
chown "$user" /run/systemd/seats
helper_tests=$build/tests/DeviceHelper/QuellarineDeviceHelperKernelTests
setpriv --reuid="$user" --regid="$user" --clear-groups -- env HOME="$home" "$helper_tests" \
  --gtest_filter='DeviceHelperKernelTest.*' || failures=$((failures + 1))
setpriv --reuid=1001 --regid=1001 --clear-groups -- env HOME=/tmp "$helper_tests" \
  --gtest_filter='DeviceHelperRefusalTest.*' || failures=$((failures + 1))
exit $((failures > 0))

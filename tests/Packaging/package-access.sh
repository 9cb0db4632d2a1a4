#!/bin/bash
# Inside the virtual machine (scripts/package-access-test.sh starts it): the Debian package installed on Debian's own
# udev gives /dev/uinput to the group quellarine alone and makes the device helper set-group-ID to it, and the
# keyboards' grant given on top of it gives the keyboard to that group alone; purged, it leaves /dev/uinput root's
# alone, the group gone, no helper, no keyboards' rule and no entry of the group on the keyboard behind.
#
#     package-access.sh PACKAGE
set -u
package=$1
failures=0
check() { # check WHAT EXPECTED ACTUAL
  if [[ $2 == "$3" ]]; then echo "PASS $1: $3"; else echo "FAIL $1: $3, should be $2"; failures=$((failures + 1)); fi
}
helper=/usr/libexec/quellarine-device-helper

/lib/systemd/systemd-udevd --daemon 2>/dev/null
udevadm trigger --action=add && udevadm settle -t 30
DEBIAN_FRONTEND=noninteractive dpkg -i "$package" > /dev/null || { echo "FAIL installing $package"; exit 1; }
udevadm settle -t 30
check "the helper" "root quellarine 2755" "$(stat -c '%U %G %a' "$helper")"
check "/dev/uinput" "root quellarine 660" "$(stat -c '%U %G %a' /dev/uinput)"
opened=denied
setpriv --reuid=1000 --regid=1000 --clear-groups -- sh -c ': > /dev/uinput' 2>/dev/null && opened=allowed
check "/dev/uinput for a program of an ordinary user" denied "$opened"
keyboard=
for device in /sys/class/input/event*; do
  [[ $(cat "$device/device/name") == "AT Translated Set 2 keyboard" ]] && keyboard=/dev/input/${device##*/}
done
gid=$(getent group quellarine | cut -d: -f3)
entry() { getfacl --numeric --omit-header "$keyboard" 2>/dev/null | grep -qx "group:$gid:r--" && echo yes || echo no; }
QT_QPA_PLATFORM=offscreen /usr/bin/quellarine --allow-keyboards > /dev/null 2>&1 || { echo "FAIL the keyboards' grant"; failures=$((failures + 1)); }
check "the keyboard ($keyboard) given to the group" yes "$(entry)"
opened=denied
setpriv --reuid=1000 --regid=1000 --clear-groups -- sh -c ": < $keyboard" 2>/dev/null && opened=allowed
check "the keyboard for a program of an ordinary user" denied "$opened"

DEBIAN_FRONTEND=noninteractive dpkg --purge quellarine > /dev/null || { echo "FAIL purging the package"; exit 1; }
udevadm settle -t 30
check "/dev/uinput, purged" "root root 600" "$(stat -c '%U %G %a' /dev/uinput)"
check "the group, purged" "" "$(getent group quellarine)"
check "the helper, purged" "absent" "$([[ -e $helper ]] && echo present || echo absent)"
check "the keyboards' rule, purged" "absent" \
  "$([[ -e /etc/udev/rules.d/71-quellarine-keyboards.rules ]] && echo present || echo absent)"
check "the group's entry on the keyboard, purged" no "$(entry)"
exit $((failures > 0))

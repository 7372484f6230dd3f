#!/usr/bin/env bash
# cmake --install puts the program, the virtual robot and the udev rule where they belong.
set -euo pipefail
build="$1"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
rule="$root/usr/lib/udev/rules.d/70-tamek.rules"
test -x "$root/usr/bin/tamek-robot"
test -e "$root/usr/bin/tamek"
test -f "$rule"
grep -q 'KERNEL=="hidraw\*", ATTRS{idVendor}=="0fd7", ATTRS{idProduct}=="5010", TAG+="uaccess"' "$rule"
# udev reads the rule before 73-seat-late.rules, which turns "uaccess" into the seat user's access.
test "$(printf '%s\n' 70-tamek.rules 73-seat-late.rules | LC_ALL=C sort | head -1)" = 70-tamek.rules
echo "1 passed, 0 failed"

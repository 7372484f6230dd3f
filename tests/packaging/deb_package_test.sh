#!/usr/bin/env bash
# The Debian package: built by cpack, installed with dpkg on this machine, its programs run from
# the installed paths, its desktop entry and software-centre description validated, and removed
# again whatever happens. Installing needs root: without it the test is skipped (exit 77).
set -euo pipefail
build="$1"
example="$2"
if [ "$(id -u)" -ne 0 ]; then
    echo "skipped: installing a Debian package needs root"
    exit 77
fi
if dpkg-query -W -f='${Status}' tamek 2>/dev/null | grep -q "ok installed"; then
    echo "skipped: a tamek package is already installed on this machine and is left alone"
    exit 77
fi
work="$(mktemp -d)"
trap 'dpkg -r tamek >/dev/null 2>&1 || true; rm -rf "$work"' EXIT

version="$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
deb="$work/tamek_${version}_amd64.deb"
test -f "$deb"
# The dependencies come from the binaries: the toolkit and the HID library among them.
depends="$(dpkg-deb -f "$deb" Depends)"
grep -q 'libwx_gtk3u_core-3.2\|libwxgtk3.2' <<<"$depends"
grep -q 'libhidapi' <<<"$depends"

dpkg -i "$deb" >/dev/null
/usr/bin/tamekc --help | grep -q '^Usage: tamekc'
test "$(/usr/bin/tamek --version)" = "tamek $version"
test "$(/usr/bin/tamekc --version)" = "tamekc $version"
test -x /usr/bin/tamek-robot
# The installed tamekc finds the pictures beside it and draws a project without a display.
env -u DISPLAY -u WAYLAND_DISPLAY /usr/bin/tamekc export "$example" "$work/example.png"
test "$(head -c 8 "$work/example.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a
for data in Img/Tamek-48.png Help/index.html locale; do test -e "/usr/lib/tamek/$data"; done
test -f /usr/lib/udev/rules.d/70-tamek.rules
test -f /usr/share/icons/hicolor/256x256/apps/tamek.png
test -f /usr/share/mime/packages/tamek.xml
desktop-file-validate /usr/share/applications/tamek.desktop
appstreamcli validate --no-net /usr/share/metainfo/nl.tamek.Tamek.metainfo.xml >/dev/null

dpkg -r tamek >/dev/null
for gone in /usr/bin/tamek /usr/bin/tamekc /usr/bin/tamek-robot /usr/lib/tamek /usr/share/applications/tamek.desktop \
            /usr/lib/udev/rules.d/70-tamek.rules; do
    if [ -e "$gone" ] || [ -L "$gone" ]; then echo "left after removal: $gone"; exit 1; fi
done
echo "1 passed, 0 failed"

#!/usr/bin/env bash
# What the display shows, asked the same way under X11 and under the headless Wayland compositor
# of tests/wayland/run-under-weston.sh (which has no xdotool: the compositor's own debug protocol
# lists its windows and takes its screenshots).
#   display.sh titles             the titles of the top-level windows, one a line
#   display.sh screenshot FILE    a PNG of the whole screen
set -euo pipefail

on_wayland() { [ -n "${WAYLAND_DISPLAY:-}" ] && [ -z "${DISPLAY:-}" ]; }

case "${1:-}" in
titles)
    if on_wayland; then
        # Scene-graph lines read: View 0 (role xdg_toplevel, PID 12, surface ID 3, top-level window 'TITLE' of APP, 0x...)
        weston-debug scene-graph 2>/dev/null | sed -n "s/^.*(role xdg_toplevel, .*top-level window '\(.*\)' of .*$/\1/p"
    else
        for window in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
            xdotool getwindowname "$window" 2>/dev/null || true
        done
    fi
    ;;
screenshot)
    file="$(realpath -m "$2")"
    if on_wayland; then
        # The screenshooter writes wayland-screenshot-<time>.png into its working folder.
        shots=$(mktemp -d)
        (cd "$shots" && weston-screenshooter)
        mv "$shots"/*.png "$file"
        rmdir "$shots"
    else
        import -window root "$file"
    fi
    ;;
*)
    echo "usage: $0 titles | screenshot FILE" >&2
    exit 2
    ;;
esac

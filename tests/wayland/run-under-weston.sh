#!/usr/bin/env bash
# Runs a command on a headless Wayland compositor of its own, with the toolkit on its Wayland
# backend: Debian's weston with its headless backend, the pixman renderer (so that screenshots
# hold the real pixels) and its debug protocol (tests/gui/display.sh reads the window list and
# takes screenshots through it). The command finds WAYLAND_DISPLAY as an absolute path, so it may
# point XDG_RUNTIME_DIR at a folder of its own; DISPLAY is unset and GDK_BACKEND=wayland.
# Usage: run-under-weston.sh [--size WIDTHxHEIGHT] command [argument...]
# Ends with the command's status (1 when the compositor does not come up).
set -euo pipefail
size=1400x900
if [ "${1:-}" = "--size" ]; then
    size="$2"
    shift 2
fi
[ $# -gt 0 ] || { echo "usage: $0 [--size WIDTHxHEIGHT] command [argument...]" >&2; exit 2; }

runtime=$(mktemp -d /tmp/tamek-weston-XXXXXX)
chmod 700 "$runtime"
weston_pid=""
stop_compositor() {
    if [ -n "$weston_pid" ]; then
        kill "$weston_pid" 2>/dev/null || true
        wait "$weston_pid" 2>/dev/null || true
    fi
    rm -rf "$runtime"
}
trap stop_compositor EXIT
trap 'exit 1' INT TERM HUP PIPE # so that the compositor goes too

XDG_RUNTIME_DIR="$runtime" weston --backend=headless-backend.so --socket=wayland-tamek \
    --width="${size%x*}" --height="${size#*x}" --use-pixman --debug --no-config --idle-time=0 \
    --log="$runtime/weston.log" >/dev/null 2>&1 &
weston_pid=$!
# Up within a minute on a busy machine: its socket is there.
for _ in $(seq 1 300); do
    [ -S "$runtime/wayland-tamek" ] && break
    kill -0 "$weston_pid" 2>/dev/null || break
    sleep 0.2
done
if [ ! -S "$runtime/wayland-tamek" ]; then
    echo "the Wayland compositor did not start:" >&2
    cat "$runtime/weston.log" >&2 || true
    exit 1
fi

unset DISPLAY
export WAYLAND_DISPLAY="$runtime/wayland-tamek" GDK_BACKEND=wayland XDG_RUNTIME_DIR="$runtime"
status=0
"$@" || status=$?
exit "$status"

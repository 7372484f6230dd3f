#!/usr/bin/env bash
# A second start of tamek while one runs, under X11 (ctest runs this under xvfb-run -noreset, so
# the server stays up while no copy is connected) and under Wayland (under
# tests/wayland/run-under-weston.sh): the second copy ends with a failure status, opens no window,
# not even for a moment, and does not open the project on its command line; one main window titled
# "Tamek" stays, asked to come to the front. A killed copy does not block the next start, which
# opens only the first project of its command line. Arguments: tamek project
set -euo pipefail
tamek="$1"
project="$2"
display="$(dirname "$0")/display.sh"
work=$(mktemp -d)
mkdir -m 700 "$work/run"
# A runtime folder of its own: the copies of other test runs hold their locks elsewhere.
export XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run" GSETTINGS_BACKEND=memory
on_wayland() { [ -n "${WAYLAND_DISPLAY:-}" ] && [ -z "${DISPLAY:-}" ]; }
first="" watcher=""
cleanup() {
    for pid in $first $watcher; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "$*"
    exit 1
}

# The main windows' titles: "Tamek" or "Tamek - <path>".
main_titles() { "$display" titles | grep -E '^Tamek( - .*)?$' || true; }
main_windows() { main_titles | wc -l; }
# Waits up to a minute (the machine may be busy) for the condition.
wait_until() {
    for _ in $(seq 1 300); do
        eval "$1" && return 0
        sleep 0.2
    done
    return 1
}

"$tamek" >"$work/first.log" 2>&1 &
first=$!
wait_until '[ "$(main_windows)" -ge 1 ]' || fail "the first copy opened no main window"
if ! on_wayland; then
    main=$(xdotool search --onlyvisible --name '^Tamek$' | head -1)
    [ "$(xdotool getwindowfocus)" != "$main" ] || fail "the first copy has the focus before the second start"
fi

if on_wayland; then
    # The compositor's record of every request: the second copy must ask for no window at all.
    weston-debug -o "$work/protocol.log" proto &
    watcher=$!
    wait_until '[ -s "$work/protocol.log" ]' || fail "the compositor's protocol record did not start"
fi
status=0
timeout 60 "$tamek" "$project" >"$work/second.log" 2>&1 || status=$?
[ "$status" -ne 124 ] || fail "the second copy kept running"
[ "$status" -ne 0 ] || fail "the second copy ended with status 0"
if on_wayland; then
    kill "$watcher"
    wait "$watcher" 2>/dev/null || true
    watcher=""
    grep -q 'get_registry' "$work/protocol.log" || fail "the second copy was not seen by the compositor"
    ! grep -E 'get_toplevel|get_popup' "$work/protocol.log" || fail "a window was opened during the second start"
fi
windows=$(main_windows)
[ "$windows" -eq 1 ] || fail "expected one main window, found $windows"
title=$(main_titles)
[ "$title" = "Tamek" ] || fail "the first copy's title changed to '$title': the second copy's project was opened"
kill -0 "$first" || fail "the first copy has ended"
if ! on_wayland; then
    # Raised and given the focus, or, where that is refused, marked urgent.
    [ "$(xdotool getwindowfocus)" = "$main" ] || xprop -id "$main" WM_HINTS | grep -q 'urgency hint bit is set' ||
        fail "the running copy was neither raised nor marked urgent"
fi

# A killed copy leaves its lock file and socket behind; the next start runs all the same, opens
# the first of its two projects and answers on a fresh socket.
kill -9 "$first"
wait "$first" 2>/dev/null || true
first=""
wait_until '[ "$(main_windows)" -eq 0 ]' || fail "the killed copy's window stayed"
[ -S "$XDG_RUNTIME_DIR/tamek.socket" ] && [ -f "$XDG_RUNTIME_DIR/tamek.lock" ] || fail "the killed copy left no socket and lock"
other="$work/other.tamek"
cp "$project" "$other"
"$tamek" "$project" "$other" >"$work/third.log" 2>&1 &
first=$!
wait_until '[[ "$(main_titles)" == "Tamek - "* ]]' || fail "the third copy opened no project: $(cat "$work/third.log")"
title=$(main_titles)
[ "$title" = "Tamek - $project" ] || fail "expected the first project in the title, found '$title'"
status=0
timeout 60 "$tamek" >"$work/fourth.log" 2>&1 || status=$?
[ "$status" -ne 0 ] && [ "$status" -ne 124 ] || fail "a start after the restarted copy ended with status $status"
[ "$(main_windows)" -eq 1 ] || fail "a start after the restarted copy opened a window"
! grep 'second start of Tamek' "$work/third.log" || fail "the restarted copy could not take over the lock and socket"
echo "single instance: ok"

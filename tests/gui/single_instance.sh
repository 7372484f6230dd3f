#!/usr/bin/env bash
# A second start of tamek while one runs: the second copy ends with a failure status, opens no
# window and does not open the project on its command line; one main window titled "Tamek" stays.
# Runs on a display of its own (ctest starts it under xvfb-run with -noreset, so the server stays up
# while no copy is connected). Arguments: tamek project
set -euo pipefail
tamek="$1"
project="$2"
work=$(mktemp -d)
export XDG_DATA_HOME="$work/data" GSETTINGS_BACKEND=memory
first=""
cleanup() {
    [ -n "$first" ] && kill "$first" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# The main windows: titled "Tamek" or "Tamek - <path>" (xdotool matches names without regard to case).
main_window_ids() {
    for w in $(xdotool search --name 'tamek' 2>/dev/null); do
        [[ "$(xdotool getwindowname "$w" 2>/dev/null)" =~ ^Tamek( - .*)?$ ]] && echo "$w"
    done
    return 0
}
main_windows() { main_window_ids | wc -l; }
# Waits up to a minute (the machine may be busy) for a main window.
wait_for_main_window() {
    for _ in $(seq 1 300); do
        [ "$(main_windows)" -ge 1 ] && return 0
        sleep 0.2
    done
    return 1
}

"$tamek" >"$work/first.log" 2>&1 &
first=$!
wait_for_main_window || { echo "the first copy opened no main window"; exit 1; }

status=0
"$tamek" "$project" >"$work/second.log" 2>&1 || status=$?
if [ "$status" -eq 0 ]; then
    echo "the second copy ended with status 0"
    exit 1
fi
sleep 0.5
windows=$(main_windows)
if [ "$windows" -ne 1 ]; then
    echo "expected one main window, found $windows"
    exit 1
fi
title=$(xdotool getwindowname "$(main_window_ids | head -1)")
if [ "$title" != "Tamek" ]; then
    echo "the first copy's title changed to '$title': the second copy's project was opened"
    exit 1
fi
kill -0 "$first" || { echo "the first copy has ended"; exit 1; }
# Without a window manager the running copy is asked for attention with the urgency hint.
if ! xprop -id "$(main_window_ids | head -1)" WM_HINTS | grep -q 'urgency hint bit is set'; then
    echo "the running copy was neither raised nor marked urgent"
    exit 1
fi

# A start with two projects opens the first only.
kill "$first"; wait "$first" 2>/dev/null || true
# The X server drops a killed client's windows a moment later; until then they count as a running copy.
for _ in $(seq 1 300); do
    [ "$(main_windows)" -eq 0 ] && break
    sleep 0.2
done
other="$work/other.tamek"
cp "$project" "$other"
"$tamek" "$project" "$other" >"$work/third.log" 2>&1 &
first=$!
wait_for_main_window || { echo "the third copy opened no main window:"; cat "$work/third.log"; exit 1; }
for _ in $(seq 1 100); do
    [[ "$(xdotool getwindowname "$(main_window_ids | head -1)")" == "Tamek - "* ]] && break
    sleep 0.2
done
title=$(xdotool getwindowname "$(main_window_ids | head -1)")
if [ "$title" != "Tamek - $project" ]; then
    echo "expected the first project in the title, found '$title'"
    exit 1
fi
echo "single instance: ok"

#!/usr/bin/env bash
# The nested counting loop (x to 30000 inside y to 1000) run by tamekc run and by Lua 5.4, side by
# side in one run: best wall-clock and best user CPU time of RUNS runs each (default 5).
#   bench/lua/compare.sh [path/to/tamekc]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
tamekc=${1:-$here/../../build/bin/tamekc}
runs=${RUNS:-5}
lua=${LUA:-lua5.4}

measure() {
    local bestReal=999999 bestUser=999999 times real user
    for ((i = 0; i < runs; i++)); do
        times=$({ TIMEFORMAT='%R %U'; time "$@" >/dev/null; } 2>&1)
        read -r real user <<<"$times"
        bestReal=$(awk -v a="$bestReal" -v b="$real" 'BEGIN { print (b < a) ? b : a }')
        bestUser=$(awk -v a="$bestUser" -v b="$user" 'BEGIN { print (b < a) ? b : a }')
    done
    echo "$bestReal $bestUser"
}

echo "tamekc: $("$tamekc" run "$here/nested_loop.tamek" --max-steps 1000000000)"
echo "lua:    $("$lua" "$here/nested_loop.lua")"
read -r tReal tUser <<<"$(measure "$tamekc" run "$here/nested_loop.tamek" --max-steps 1000000000)"
read -r lReal lUser <<<"$(measure "$lua" "$here/nested_loop.lua")"
read -r gReal gUser <<<"$(measure "$lua" "$here/nested_loop_globals.lua")"
printf '%-34s %10s %10s\n' "program (best of $runs)" "real s" "user s"
printf '%-34s %10s %10s\n' "tamekc run nested_loop.tamek" "$tReal" "$tUser"
printf '%-34s %10s %10s\n' "lua5.4 nested_loop.lua (locals)" "$lReal" "$lUser"
printf '%-34s %10s %10s\n' "lua5.4 nested_loop_globals.lua" "$gReal" "$gUser"
awk -v t="$tUser" -v l="$lUser" -v g="$gUser" \
    'BEGIN { printf "tamekc / lua (locals): %.2fx user time; tamekc / lua (globals): %.2fx\n", t / l, t / g }'

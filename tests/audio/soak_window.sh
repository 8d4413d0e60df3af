#!/usr/bin/env bash
# A long game in the window: on a virtual display with a null audio sink, a monkey
# clicks the player's cards and presses Enter at random moments (default settings,
# every noise and remark as in a real game) while the game's resident memory is
# sampled once a minute. Prints "minute<TAB>MiB" lines, then the growth after the
# tenth minute.
# Usage: soak_window.sh ZELVO_BINARY [MINUTES] [SETTINGS]  (SETTINGS: a ZlvImpo.txt to start from)
# Needs, only to measure: apt-get install xvfb xdotool pulseaudio
set -euo pipefail
zelvo=$(realpath "$1") minutes=${2:-60} settings=${3:-}
source "$(dirname "$0")/virtual_desktop.sh"

# The remembered name; every setting as a new player finds it, or as given.
printf '"Scimmia"\r\n' >"$XDG_DATA_HOME/zelvo/Dati/ZlvNome.txt"
[[ -n $settings ]] && cp "$settings" "$XDG_DATA_HOME/zelvo/Dati/ZlvImpo.txt"
start_game

rss() { awk '/VmRSS/ { printf "%.1f", $2 / 1024 }' "/proc/$game/status"; }
cards=(349 499 649)
samples=()
start=$(date +%s)
next=$start
while :; do
    now=$(date +%s)
    if ((now >= next)); then
        m=$(((now - start) / 60))
        kill -0 "$game" 2>/dev/null || { echo "the game ended at minute $m" >&2; exit 1; }
        samples[m]=$(rss)
        printf '%d\t%s\n' "$m" "${samples[m]}"
        ((m >= minutes)) && break
        next=$((start + (m + 1) * 60))
    fi
    if ((RANDOM % 5 == 0)); then
        xdotool key Return
    else
        xdotool mousemove "${cards[RANDOM % 3]}" 622 click 1
    fi
    sleep "0.$((3 + RANDOM % 10))"
done
base=${samples[10]:-${samples[0]}}
awk -v a="$base" -v b="${samples[minutes]}" -v n="$minutes" \
    'BEGIN { printf "growth from minute 10 to minute %d: %+.1f MiB\n", n, b - a }'

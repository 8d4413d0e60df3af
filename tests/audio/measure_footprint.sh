#!/usr/bin/env bash
# Zelvo's footprint beside two desktop card games from Debian, KDE's kpat and GNOME's
# aisleriot (sol), in one run on a virtual display with a null audio sink:
#   rss      resident memory in play (Zelvo with its music playing), MiB
#   cpu      share of one core over 30 s while the game waits for the player's move, %
# Zelvo is measured three ways: music on (the default settings), music off, and music off
# with a patient ZELVO (no remarks while it waits). Prints one line per program and way,
# medians of ROUNDS rounds.
# Usage: measure_footprint.sh ZELVO_BINARY [ROUNDS] [zelvo-only]
# Needs, only to measure: apt-get install xvfb xdotool pulseaudio dbus kpat aisleriot
set -euo pipefail
zelvo=$(realpath "$1") rounds=${2:-5} only=${3:-}
source "$(dirname "$0")/virtual_desktop.sh"

ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
rss() { awk '/VmRSS/ { printf "%.1f", $2 / 1024 }' "/proc/$1/status"; }
# Settles, then prints "RSS CPU%" for process $1: memory at the end of 30 s, CPU over them.
sample() {
    local p=$1 hz t0 t1
    hz=$(getconf CLK_TCK)
    sleep 10
    t0=$(ticks "$p")
    sleep 30
    t1=$(ticks "$p")
    echo "$(rss "$p") $(awk -v a="$t0" -v b="$t1" -v hz="$hz" 'BEGIN { printf "%.2f", (b - a) / hz / 30 * 100 }')"
}

# Zelvo's settings: line 40 the music's frequency, line 43 ZELVO's character.
settings() {
    local dir=$1 music=$2 character=$3
    mkdir -p "$dir/zelvo/Dati"
    printf '"Misura"\r\n' >"$dir/zelvo/Dati/ZlvNome.txt"
    local lines=('"Massima (Livello A)"' '"Molto Veloce"' 500 '"No"' '"No"' '"Molto Veloce"' 750
        '"Appena uno supera 60 punti"' '"Al meglio di 4 Giochi"' 1095 1575 '#TRUE#' '#FALSE#' '#TRUE#'
        975 975 1455 1455 1935 1935 '"No"' '"No"' '"Glicine"' '"Grigio topo"' '"Spirali"' '"Piacentine"'
        '"No"' 40 40 '"Tutti e due i Giocatori"' '#TRUE#' '#TRUE#' '#TRUE#' '#TRUE#' '"Si"' '"Nessuno"'
        '"Clicca qui per continuare > 1"' '"Dopo il brano precedente"' '"Silenzio assoluto"'
        "\"$music\"" '"Si"' '"Pettegolo"' "\"$character\"")
    printf '%s\r\n' "${lines[@]}" >"$dir/zelvo/Dati/ZlvImpo.txt"
}

# One round of Zelvo: the title window, Enter on the remembered name, then the table
# waits for the first card.
zelvo_round() {
    local music=$1 character=$2
    export XDG_DATA_HOME=$work/data-$RANDOM
    settings "$XDG_DATA_HOME" "$music" "$character"
    start_game
    sample "$game"
    kill "$game"
    wait "$game" 2>/dev/null || true
}

other_round() {
    dbus-run-session -- "$@" >/dev/null 2>&1 &
    local s=$! p=""
    started+=($s)
    for _ in $(seq 50); do
        p=$(pgrep -n -f "^$1" || true)
        [[ -n $p ]] && break
        sleep 0.2
    done
    sample "$p"
    kill "$p" 2>/dev/null || true
    wait "$s" 2>/dev/null || true
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

declare -A out
ways=("zelvo music:zelvo_round 'Ogni tanto' 'Assai nervoso'"
    "zelvo music-off:zelvo_round Mai 'Assai nervoso'"
    "zelvo music-off-patient:zelvo_round Mai Pacifico")
if [[ $only != zelvo-only ]]; then
    ways+=("kpat:other_round /usr/games/kpat --gametype klondike" "sol:other_round /usr/games/sol")
fi
for ((r = 1; r <= rounds; ++r)); do
    for w in "${ways[@]}"; do
        name=${w%%:*}
        out[$name]+="$(eval "${w#*:}")"$'\n'
    done
done
for w in "${ways[@]}"; do
    name=${w%%:*}
    rs=$(printf '%s' "${out[$name]}" | awk 'NF { print $1 }' | median)
    cp=$(printf '%s' "${out[$name]}" | awk 'NF { print $2 }' | median)
    echo "$name: rss ${rs} MiB, cpu ${cp}% (rounds: $(printf '%s' "${out[$name]}" | tr '\n' ';'))"
done

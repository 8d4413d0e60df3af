#!/usr/bin/env bash
# Makes the table noises with sox: the card hitting the cloth (heavier cards
# sound lower, louder and longer), the deal, the sweep of a taken trick, and the
# two short fanfares that close the review of a game.
# Usage: crea_rumori.sh OUTDIR WORKDIR
set -euo pipefail
out=$1 lavoro=$2
mkdir -p "$out" "$lavoro"
SOX=(sox -R -V1)
FMT=(-r 22050 -c 1 -b 16)

# A card landing flat: a click, a burst of filtered noise that dies away and,
# for heavier cards, a low thump under it.
#   file seconds lowpass highpass thump-Hz thump-gain-dB level-dB
schiaffo() {
    local f=$1 d=$2 lp=$3 hp=$4 hz=$5 tg=$6 liv=$7
    "${SOX[@]}" -n "${FMT[@]}" "$lavoro/rumore.wav" synth "$d" pinknoise gain -6 \
        highpass "$hp" lowpass "$lp" fade l 0.002 "$d" "$d" fade l 0 "$d" "$d"
    "${SOX[@]}" -n "${FMT[@]}" "$lavoro/colpo.wav" synth "$d" sine "$hz:$((hz / 2))" \
        fade l 0.004 "$d" "$d" fade l 0 "$d" "$d" gain "$tg"
    "${SOX[@]}" -n "${FMT[@]}" "$lavoro/clic.wav" synth 0.004 whitenoise gain -6 highpass 2500 fade t 0 0.004 0.004 \
        pad 0 "$(awk -v d="$d" 'BEGIN { print d - 0.004 }')" gain -4
    "${SOX[@]}" -m "$lavoro/rumore.wav" "$lavoro/colpo.wav" "$lavoro/clic.wav" "${FMT[@]}" "$lavoro/carta.wav" \
        reverb 15 50 20 50 0 0 trim 0 "$d" gain -n "$liv"
    mv "$lavoro/carta.wav" "$out/$f"
}

# A card slid off the deck: a short swish that rises and falls, then a light tap.
#   file seconds centre-Hz tap-at-seconds
fruscio() {
    local f=$1 d=$2 hz=$3 tap=$4
    "${SOX[@]}" -n "${FMT[@]}" "$lavoro/swish.wav" synth "$tap" pinknoise \
        sinc "$((hz * 2 / 3))-$((hz * 3 / 2))" fade h "$(awk -v t="$tap" 'BEGIN { print t * 0.6 }')" "$tap" \
        "$(awk -v t="$tap" 'BEGIN { print t * 0.4 }')" gain -6
    "${SOX[@]}" -n "${FMT[@]}" "$lavoro/tap.wav" synth "$(awk -v d="$d" -v t="$tap" 'BEGIN { print d - t }')" pinknoise \
        highpass 300 lowpass 3500 fade l 0.001 0.06 0.059 pad 0 "$(awk -v d="$d" -v t="$tap" 'BEGIN { print d - t - 0.06 }')"
    "${SOX[@]}" "$lavoro/swish.wav" "$lavoro/tap.wav" "${FMT[@]}" "$lavoro/carta.wav" \
        reverb 10 50 15 50 0 0 trim 0 "$d" gain -n -1
    mv "$lavoro/carta.wav" "$out/$f"
}

# The trick gathered: two cards swept over the cloth and squared on the pile.
#   file seconds centre-Hz
raccolta() {
    local f=$1 d=$2 hz=$3
    local s=$(awk -v d="$d" 'BEGIN { print d - 0.12 }')
    "${SOX[@]}" -n "${FMT[@]}" "$lavoro/spazzola.wav" synth "$s" brownnoise synth "$s" pinknoise mix \
        sinc "$((hz / 2))-$((hz * 2))" tremolo 9 25 fade h 0.12 "$s" 0.18 gain -3
    "${SOX[@]}" -n "${FMT[@]}" "$lavoro/tap1.wav" synth 0.06 pinknoise highpass 200 lowpass 3000 fade l 0.001 0.06 0.058
    "${SOX[@]}" -n "${FMT[@]}" "$lavoro/tap2.wav" synth 0.06 pinknoise highpass 150 lowpass 2500 fade l 0.001 0.06 0.058 gain -2
    "${SOX[@]}" "$lavoro/spazzola.wav" "$lavoro/tap1.wav" "$lavoro/tap2.wav" "${FMT[@]}" "$lavoro/presa.wav" \
        reverb 20 50 25 50 0 0 trim 0 "$d" reverse fade t 0.01 reverse gain -n -1
    mv "$lavoro/presa.wav" "$out/$f"
}

# A fanfare from "seconds:note,note..." steps, with a little hall around it.
fanfara() {
    local f=$1; shift
    local pezzi=() i=0
    for passo in "$@"; do
        local d=${passo%%:*} note=${passo#*:}
        IFS=, read -r -a voci <<<"$note"
        local v=()
        for n in "${voci[@]}"; do v+=(sawtooth "$n"); done
        "${SOX[@]}" -n -r 22050 -b 16 "$lavoro/passo$i.wav" synth "$d" "${v[@]}" remix - \
            lowpass 2400 lowpass 3200 fade q 0.015 "$d" 0.05 gain -n -6
        pezzi+=("$lavoro/passo$i.wav")
        i=$((i + 1))
    done
    "${SOX[@]}" "${pezzi[@]}" "${FMT[@]}" "$lavoro/fanfara.wav" tremolo 5.5 8 pad 0 0.6 reverb 45 50 60 \
        reverse fade t 0.5 reverse gain -n -2
    mv "$lavoro/fanfara.wav" "$out/$f"
}

# Cards by weight: lighter cards a bright, short tick; an Asso a full slap. Every
# card stands well above the music, the lighter ones only a little softer at the peak.
schiaffo liscio.wav  0.16 5500 900 140 -30 -2
schiaffo fante.wav   0.19 4800 600 130 -22 -1.5
schiaffo cavallo.wav 0.22 4200 450 120 -17 -1
schiaffo re.wav      0.25 3600 350 110 -13 -1
schiaffo tre.wav     0.22 3000 250 100 -9 -1
schiaffo asso.wav    0.28 2600 180 90 -6 -1

fruscio carta1.wav 0.22 3000 0.15
fruscio carta2.wav 0.21 3600 0.14
fruscio carta3.wav 0.23 2600 0.16
fruscio carta4.wav 0.20 4200 0.13

raccolta Presa1.wav 0.46 2400
raccolta Presa2.wav 0.50 1800

# The player won: a bright march call in B flat, rising to a held tonic chord.
fanfara Mameli.wav \
    0.14:F4,Bb4,D5 0.14:F4,Bb4,D5 0.14:F4,Bb4,D5 0.42:F4,Bb4,F5 \
    0.14:A4,C5,Eb5 0.14:A4,C5,F5 0.42:A4,C5,G5 \
    0.28:Bb4,D5,F5 0.28:C5,Eb5,A5 1.10:Bb4,D5,Bb5
# ZELVO won: a slow, stately call in G, three beats to the bar, on a plagal close.
fanfara GodSave.wav \
    0.45:G3,B4,D5 0.45:G3,B4,G5 0.45:C4,C5,E5 \
    0.68:D4,D5,F#5 0.22:D4,C5,A5 0.45:E4,B4,G5 \
    0.45:C4,C5,E5 0.45:C4,A4,E5 0.45:D4,A4,F#5 1.20:G3,B4,G5
rm -f "$lavoro"/*.wav

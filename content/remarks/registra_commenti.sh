#!/usr/bin/env bash
# Records ZELVO's remarks: reads "file<TAB>group<TAB>limit ms<TAB>syllables<TAB>text"
# lines and writes <out>/<group>/<file>.wav, each clip lasting 60..100% of its limit.
# The pace is fitted to the clip between the voice's own pace and a slower one, and
# never goes above a natural speaking rate: a text that does not fit its limit at that
# rate fails the build, to be said in fewer words. Words are never cut.
# Voice: Festival's Italian male diphone voice (pc_diphone), its wrapped samples
# repaired by UNWRAP; espeak-ng's Italian voice when Festival or that voice is missing.
# Usage: registra_commenti.sh LIST OUTDIR WORKDIR UNWRAP [festival|espeak]
set -euo pipefail

elenco=$1 out=$2 lavoro=$3 unwrap=$4 voce=${5:-auto}
mkdir -p "$out" "$lavoro"
rm -f "$lavoro/durate.tsv.new"

if [[ $voce == auto ]]; then
    if command -v festival >/dev/null && [[ -d /usr/share/festival/voices/italian/pc_diphone ]]; then
        voce=festival
    else
        voce=espeak
    fi
fi
echo "remarks: voice $voce" >&2

RATE=22050
ATTACCO=0.04   # silence before the first word
CODA=0.08      # silence after the last word
MIRA=0.82      # aim at this share of the limit
MAX_RATE=6.7 # syllables a second: the pace aimed at, a little below the 7 a listener still finds natural
MAX_PASSO=1.35 # the slowest stretch of the voice's own pace

declare -A gruppo limite syllables testo passo
nomi=()
while IFS=$'\t' read -r f g l n t; do
    [[ -z $f ]] && continue
    nomi+=("$f"); gruppo[$f]=$g; limite[$f]=$l; syllables[$f]=$n; testo[$f]=$t; passo[$f]=1.0
done <"$elenco"
[[ ${#nomi[@]} -gt 0 ]] || { echo "remarks: empty list" >&2; exit 1; }

# The pace found last time for the same words and limit saves the search.
if [[ -f $lavoro/passi.tsv ]]; then
    while IFS=$'\t' read -r f l t p; do
        if [[ -n ${testo[$f]+x} && ${testo[$f]} == "$t" && ${limite[$f]} == "$l" && $voce == "${p%%:*}" ]]; then
            passo[$f]=${p#*:}
        fi
    done <"$lavoro/passi.tsv"
fi

# Synthesise the named remarks, each at its stretch, into $lavoro/<file>.raw.wav,
# two processes at once.
sintetizza() {
    local -a quali=("$@") meta1=() meta2=()
    local i=0
    for f in "${quali[@]}"; do
        if (( i++ % 2 )); then meta2+=("$f"); else meta1+=("$f"); fi
    done
    sintetizza_parte "${meta1[@]}" &
    local p1=$!
    if ((${#meta2[@]})); then sintetizza_parte "${meta2[@]}"; fi
    wait $p1
}

sintetizza_parte() {
    (($#)) || return 0
    if [[ $voce == festival ]]; then
        local scm
        scm=$(mktemp "$lavoro/parte.XXXXXX")
        {
            echo "(voice_pc_diphone)"
            for f in "$@"; do
                local t=${testo[$f]//\\/\\\\}
                t=${t//\"/\\\"}
                echo "(Parameter.set 'Duration_Stretch ${passo[$f]})"
                echo "(utt.save.wave (utt.synth (eval (list 'Utterance 'Text \"$t\"))) \"$lavoro/$f.raw.wav\" 'riff)"
            done
        } | iconv -f UTF-8 -t ISO-8859-1 >"$scm.scm"
        festival -b "$scm.scm" >/dev/null
        rm -f "$scm" "$scm.scm"
        for f in "$@"; do
            "$unwrap" "$lavoro/$f.raw.wav" "$lavoro/$f.intera.wav"
            mv "$lavoro/$f.intera.wav" "$lavoro/$f.raw.wav"
        done
    else
        for f in "$@"; do
            local wpm
            wpm=$(awk -v s="${passo[$f]}" 'BEGIN { printf "%d", 150 / s }')
            espeak-ng -v it -s "$wpm" -w "$lavoro/$f.raw.wav" "${testo[$f]}"
        done
    fi
}

# The spoken part alone, silence trimmed at both ends; prints its seconds.
pulisci() {
    local f=$1
    sox -R -V1 "$lavoro/$f.raw.wav" -b 16 "$lavoro/$f.voce.wav" gain -3 rate $RATE channels 1 \
        silence 1 0.02 1% reverse silence 1 0.02 1% reverse
    soxi -D "$lavoro/$f.voce.wav"
}

# The seconds of the words as the content checks measure them: from the first to the
# last moment above 2% of the peak.
parlato() {
    sox -R -V1 "$lavoro/$1.voce.wav" "$lavoro/$1.parole.wav" gain -n -1 silence 1 0.001 2% reverse silence 1 0.001 2% reverse
    soxi -D "$lavoro/$1.parole.wav"
}

# Seconds the finished clip lasts for a spoken part of d seconds.
durata_finale() { awk -v d="$1" -v a=$ATTACCO -v c=$CODA 'BEGIN { printf "%.4f", d + a + c }'; }

da_rifare=("${nomi[@]}")
for giro in 1 2 3 4 5 6 7 8; do
    sintetizza "${da_rifare[@]}"
    ancora=()
    for f in "${da_rifare[@]}"; do
        d=$(durata_finale "$(pulisci "$f")")
        p=$(parlato "$f")
        L=${limite[$f]}
        # Within 65..95% of the limit and at a natural rate the clip is kept; otherwise
        # the stretch is scaled towards the aim, no faster than the natural rate (the
        # words take as long as the stretch) and no slower than the slowest pace.
        esito=$(awk -v d="$d" -v L="$L" -v s="${passo[$f]}" -v m=$MIRA -v r=$MAX_RATE -v hi=$MAX_PASSO \
            -v n="${syllables[$f]}" -v p="$p" -v a=$ATTACCO -v c=$CODA 'BEGIN {
                L /= 1000
                parla = d - a - c; lo = s * n / (r * p)
                if (d >= 0.65 * L && d <= 0.95 * L && s >= 0.99 * lo) { print "ok"; exit }
                voluto = m * L - a - c
                x = s * voluto / parla
                if (x < lo) x = lo; if (x > hi) x = hi
                if ((x == hi && s == hi) || (x - s < 0.01 * s && s - x < 0.01 * s)) { print "ok"; exit }
                printf "%.3f", x }')
        if [[ $esito != ok ]]; then passo[$f]=$esito; ancora+=("$f"); fi
    done
    ((${#ancora[@]})) || break
    da_rifare=("${ancora[@]}")
done

errori=0
for f in "${nomi[@]}"; do
    L=${limite[$f]}
    d=$(durata_finale "$(soxi -D "$lavoro/$f.voce.wav")")
    # A clip too short at the slowest pace gets more silence after the words.
    coda=$(awk -v d="$d" -v L="$L" -v c=$CODA 'BEGIN { L /= 1000; x = 0.62 * L - d; printf "%.4f", (x > 0 ? c + x : c) }')
    fuori=$(awk -v d="$d" -v L="$L" -v n="${syllables[$f]}" -v p="$(parlato "$f")" \
        'BEGIN { print (d > L / 1000 || n / p > 7) ? 1 : 0 }')
    if [[ $fuori == 1 ]]; then
        echo "remarks: $f: \"${testo[$f]}\" lasts ${d}s at a natural pace, limit ${L} ms: say it in fewer words" >&2
        errori=1
        continue
    fi
    mkdir -p "$out/${gruppo[$f]}"
    dest="$out/${gruppo[$f]}/$f.wav"
    sox -R -V1 "$lavoro/$f.voce.wav" -t wav "$dest.tmp" gain -n -1 fade t 0.005 reverse fade t 0.02 reverse pad $ATTACCO "$coda"
    mv "$dest.tmp" "$dest"
    printf '%s\t%s\t%s\t%s\n' "$f" "$L" "$(soxi -D "$dest")" "${passo[$f]}" >>"$lavoro/durate.tsv.new"
done
mv "$lavoro/durate.tsv.new" "$lavoro/durate.tsv"
for f in "${nomi[@]}"; do printf '%s\t%s\t%s\t%s:%s\n' "$f" "${limite[$f]}" "${testo[$f]}" "$voce" "${passo[$f]}"; done >"$lavoro/passi.tsv"
exit $errori

#!/bin/sh
# How understandable, even and quick the listening recordings of a built
# course are. A speech recogniser (pocketsphinx with its US English model)
# transcribes every recording of exercises 22, 23 and 24, and the words it
# heard are compared with the sentence. Printed overall and per voice:
#   WER     word error rate of the recogniser, in per cent;
#   spread  loudness spread: highest minus lowest speech level (dB), normal
#           and slow recordings together;
#   sox     the same spread of sox's RMS level of the whole file, pauses
#           included (a cross-check by another measure);
#   wpm     speaking rate in words per minute of speech (the 0.1 s of
#           silence at each end left out), normal and slow recordings.
# The speech level is the mean power of the 20 ms frames louder than both
# 35 dB below the loudest frame and 12 dB above the quiet floor.
#
# usage: bench/recordings.sh [MEDIA_DIR [SOURCE_DIR]]
#        (default build/course/media and course/src)
set -e
cd "$(dirname "$0")/.."
MEDIA=${1:-build/course/media}
SRC=${2:-course/src}
MODEL=/usr/share/pocketsphinx/model/en-us
for tool in sox pocketsphinx_batch; do
  command -v $tool >/dev/null || { echo "recordings.sh: $tool is missing (Debian packages sox, pocketsphinx, pocketsphinx-en-us)" >&2; exit 1; }
done
[ -d "$MODEL/en-us" ] || { echo "recordings.sh: the model is missing (Debian package pocketsphinx-en-us)" >&2; exit 1; }

WORK=$(mktemp -d)
[ -n "$KEEP" ] && echo "work: $WORK" >&2 || trap 'rm -rf "$WORK"' EXIT
TAB=$(printf '\t')

# id <TAB> exercise <TAB> name <TAB> voice <TAB> sentence, from the sources
# and the stamps of the build.
for n in 22 23 24; do
  awk -F'#' -v n=$n '{ sub(/\r$/, ""); if ($0 ~ /^[ \t]*$/) next; s = $1; sub(/_/, $2, s); print n "\t" $3 "\t" s }' "$SRC/$n.txt" |
  while IFS="$TAB" read -r ex name sentence; do
    voice=$(awk -F'\t' -v name="$name" '$1 == name { print $2; exit }' "$MEDIA/Sound/$ex/recordings.stamp" 2>/dev/null)
    printf '%s-%s\t%s\t%s\t%s\t%s\n' "$ex" "$(echo "$name" | tr -c 'A-Za-z0-9_.\n-' _)" "$ex" "$name" "${voice:-unknown}" "$sentence"
  done
done > "$WORK/items.tsv"
[ -s "$WORK/items.tsv" ] || { echo "recordings.sh: no recordings in $SRC" >&2; exit 1; }

# Per recording: duration and speech level, normal and slow; a 16 kHz copy
# for the recogniser.
mkdir -p "$WORK/raw"
: > "$WORK/list.ctl"
: > "$WORK/measures.tsv"
level() {
  sox -R -D "$1" -t raw -e signed-integer -b 16 -c 1 -r 22050 - | od -An -v -td2 -w2 |
  awk 'function flush() { if (k) { p[m++] = s / k; s = 0; k = 0 } }
       { s += ($1 / 32768) ^ 2; if (++k == 441) flush() }
       END { flush(); if (!m) { print "-inf"; exit }
             for (i = 0; i < m; i++) { v = p[i]; for (j = i; j > 0 && q[j-1] > v; j--) q[j] = q[j-1]; q[j] = v }
             t = q[m-1] * 10 ^ -3.5; f = q[int(m / 10)] * 10 ^ 1.2; if (f > t) t = f
             for (i = 0; i < m; i++) if (p[i] >= t) { a += p[i]; c++ }
             printf "%.2f\n", 10 * log(a / c) / log(10) }'
}
rms() { sox "$1" -n stats 2>&1 | awk '/^RMS lev dB/ { print $4 }'; }
while IFS="$TAB" read -r id ex name voice sentence; do
  f="$MEDIA/Sound/$ex/$name"
  slow="$MEDIA/Sound/$ex/slow/$name"
  [ -f "$f" ] || { echo "recordings.sh: $f is missing" >&2; exit 1; }
  sox -R -D "$f" -t raw -e signed-integer -b 16 -c 1 -r 16000 "$WORK/raw/$id.raw"
  echo "$id" >> "$WORK/list.ctl"
  d=$(soxi -D "$f"); l=$(level "$f"); r=$(rms "$f")
  if [ -f "$slow" ]; then ds=$(soxi -D "$slow"); ls=$(level "$slow"); rs=$(rms "$slow"); else ds=0; ls=nan; rs=nan; fi
  printf '%s\t%s\t%s\t%s\t%s\t%s\t%s\n' "$id" "$d" "$l" "$ds" "$ls" "$r" "$rs" >> "$WORK/measures.tsv"
done < "$WORK/items.tsv"

pocketsphinx_batch -ctl "$WORK/list.ctl" -cepdir "$WORK/raw" -cepext .raw -adcin yes \
  -hmm "$MODEL/en-us" -lm "$MODEL/en-us.lm.bin" -dict "$MODEL/cmudict-en-us.dict" \
  -hyp "$WORK/heard.txt" -logfn /dev/null
# "words (id score)" -> id <TAB> words
sed -E 's/^(.*) \(([^ ]+)( -?[0-9]+)?\)$/\2\t\1/' "$WORK/heard.txt" > "$WORK/heard.tsv"

awk -F'\t' -v heardfile="$WORK/heard.tsv" -v measfile="$WORK/measures.tsv" -v verbose="${VERBOSE:-0}" '
function norm(s) { s = tolower(s); gsub(/[^a-z0-9'"'"' ]/, " ", s); gsub(/'"'"'/, "", s); return s }
function errors(ref, hyp,   r, h, nr, nh, i, j, c, d) {
  nr = split(norm(ref), r, " "); nh = split(norm(hyp), h, " ")
  for (i = 0; i <= nr; i++) d[i, 0] = i
  for (j = 0; j <= nh; j++) d[0, j] = j
  for (i = 1; i <= nr; i++) for (j = 1; j <= nh; j++) {
    c = d[i-1, j-1] + (r[i] != h[j])
    if (d[i-1, j] + 1 < c) c = d[i-1, j] + 1
    if (d[i, j-1] + 1 < c) c = d[i, j-1] + 1
    d[i, j] = c }
  words = nr; return d[nr, nh]
}
function range(g, v) {
  if (v == "nan") return
  if (!(g in rlo) || v < rlo[g]) rlo[g] = v; if (!(g in rhi) || v > rhi[g]) rhi[g] = v
}
function add(g, e, w, d, l, ds, ls, r, rs) {
  groups[g] = 1; n[g]++; E[g] += e; W[g] += w; T[g] += d - 0.2; Ts[g] += ds - 0.2
  if (!(g in lo) || l < lo[g]) lo[g] = l; if (!(g in hi) || l > hi[g]) hi[g] = l
  if (ls != "nan") { if (ls < lo[g]) lo[g] = ls; if (ls > hi[g]) hi[g] = ls }
  range(g, r); range(g, rs)
}
BEGIN {
  while ((getline line < heardfile) > 0) { split(line, a, "\t"); heard[a[1]] = a[2] }
  while ((getline line < measfile) > 0) { split(line, a, "\t"); dur[a[1]] = a[2]; lev[a[1]] = a[3]; sdur[a[1]] = a[4]; slev[a[1]] = a[5]; rl[a[1]] = a[6]; srl[a[1]] = a[7] }
}
{
  e = errors($5, heard[$1])
  if (verbose && e) printf "%s (%s): \"%s\" heard as \"%s\"\n", $3, $4, $5, heard[$1]
  add("all", e, words, dur[$1], lev[$1], sdur[$1], slev[$1], rl[$1], srl[$1])
  add($4, e, words, dur[$1], lev[$1], sdur[$1], slev[$1], rl[$1], srl[$1])
}
END {
  printf "%-8s %10s %7s %9s %6s %6s %9s\n", "voice", "recordings", "WER %", "spread dB", "sox dB", "wpm", "wpm slow"
  for (g in groups) if (g != "all") order[++k] = g
  order[++k] = "all"
  for (i = 1; i <= k; i++) { g = order[i]
    printf "%-8s %5d (%3.0f%%) %6.1f %9.2f %6.2f %6.0f %9.0f\n", g, n[g], 100 * n[g] / n["all"], 100 * E[g] / W[g],
      hi[g] - lo[g], rhi[g] - rlo[g], 60 * W[g] / T[g], (Ts[g] > 0 ? 60 * W[g] / Ts[g] : 0) }
}' "$WORK/items.tsv"

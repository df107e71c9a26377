#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Veltrane developers
#
# SPDX-License-Identifier: MIT

# Prints Veltrane's performance figures (it does not pass or fail):
#  - start-up to the first paint of the main window, and peak memory, against
#    two bare Qt floors: a maximised main window with an empty MDI area, and
#    one drawing a menu bar and a few word-wrapped bold labels (the text
#    floor); all under one Xvfb display, median of RUNS runs each;
#  - launcher click to the first paint of each test's first window, and peak
#    memory after 1,000 guesses (openbench, on the same display);
#  - the guess overhead, picture drawing and idle CPU figures of guessbench;
#  - the time of a full report against chance at the counters' limit (chancebench).
#   scripts/benchmark.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-9}
bash scripts/install-deps.sh test --with-display-tools >/dev/null
cmake -S . -B build -G Ninja -DVELTRANE_BENCHMARKS=ON >/dev/null
cmake --build build --target veltrane-bench bareqt textfloor guessbench openbench chancebench >/dev/null

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -m 700 "$tmp/run" "$tmp/config"

cat > "$tmp/measure.sh" <<'INNER'
#!/usr/bin/env bash
# Runs one program (built with the start-up probe) RUNS times; prints "ms kb" lines.
prog=$1 runs=$2
for i in $(seq "$runs"); do
  start=$(date +%s%N)
  out=$("$prog" 2>/dev/null)
  paint=$(sed -n 's/^first-paint-ns //p' <<<"$out")
  rss=$(sed -n 's/^peak-rss-kb //p' <<<"$out")
  echo "$(( (paint - start) / 1000 )) $rss"
done
INNER
chmod +x "$tmp/measure.sh"

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }

XDG_CONFIG_HOME=$tmp/config XDG_RUNTIME_DIR=$tmp/run \
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" bash -c "
  openbox >/dev/null 2>&1 &
  sleep 0.5
  # One warm-up run each, so both find the same libraries in the page cache.
  '$tmp/measure.sh' build/tools/bareqt 1 >/dev/null
  '$tmp/measure.sh' build/tools/textfloor 1 >/dev/null
  '$tmp/measure.sh' build/tools/veltrane-bench 1 >/dev/null
  for r in \$(seq $runs); do
    '$tmp/measure.sh' build/tools/bareqt 1 >>'$tmp/bare'
    '$tmp/measure.sh' build/tools/textfloor 1 >>'$tmp/text'
    '$tmp/measure.sh' build/tools/veltrane-bench 1 >>'$tmp/veltrane'
  done
  build/tests/benchmark/openbench 2>/dev/null >'$tmp/open'
"

field() { cut -d' ' -f"$2" "$tmp/$1" | median; }
bare_us=$(field bare 1) text_us=$(field text 1) velt_us=$(field veltrane 1)
bare_kb=$(field bare 2) text_kb=$(field text 2) velt_kb=$(field veltrane 2)

echo "Start-up under Xvfb, median of $runs runs each (process start to first paint of the main window):"
awk -v b="$bare_us" -v t="$text_us" -v v="$velt_us" 'BEGIN {
  printf "  bare Qt, empty window        %7.1f ms\n", b/1000
  printf "  bare Qt, text floor          %7.1f ms\n", t/1000
  printf "  Veltrane                     %7.1f ms   %.2fx the empty window, %.2fx the text floor (goal 1.10)\n", v/1000, v/b, v/t }'
echo "Peak memory (VmHWM) at start-up:"
awk -v b="$bare_kb" -v t="$text_kb" -v v="$velt_kb" 'BEGIN {
  printf "  bare Qt, empty window        %7.1f MiB\n", b/1024
  printf "  bare Qt, text floor          %7.1f MiB\n", t/1024
  printf "  Veltrane                     %7.1f MiB  %.2fx the empty window, %.2fx the text floor\n", v/1024, v/b, v/t }'
cat "$tmp/open"
build/tests/benchmark/guessbench 2>/dev/null
build/tests/benchmark/chancebench

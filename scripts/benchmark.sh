#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Veltrane developers
#
# SPDX-License-Identifier: MIT

# Prints Veltrane's performance figures (it does not pass or fail):
#  - start-up to the first paint of the main window, and peak memory, against
#    a bare Qt program showing a maximised main window with an empty MDI area,
#    both under one Xvfb display, median of RUNS runs each;
#  - the guess overhead, picture drawing and idle CPU figures of guessbench.
#   scripts/benchmark.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-9}
bash scripts/install-deps.sh --with-display-tools >/dev/null
cmake -S . -B build -G Ninja -DVELTRANE_BENCHMARKS=ON >/dev/null
cmake --build build --target veltrane-bench bareqt guessbench >/dev/null

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
  '$tmp/measure.sh' build/tools/veltrane-bench 1 >/dev/null
  for r in \$(seq $runs); do
    '$tmp/measure.sh' build/tools/bareqt 1 >>'$tmp/bare'
    '$tmp/measure.sh' build/tools/veltrane-bench 1 >>'$tmp/veltrane'
  done
"

bare_us=$(cut -d' ' -f1 "$tmp/bare" | median)
velt_us=$(cut -d' ' -f1 "$tmp/veltrane" | median)
bare_kb=$(cut -d' ' -f2 "$tmp/bare" | median)
velt_kb=$(cut -d' ' -f2 "$tmp/veltrane" | median)

echo "Start-up under Xvfb, median of $runs runs each (process start to first paint of the main window):"
awk -v b="$bare_us" -v v="$velt_us" 'BEGIN { printf "  bare Qt program %7.1f ms\n  Veltrane        %7.1f ms   ratio %.2f (goal 1.20)\n", b/1000, v/1000, v/b }'
echo "Peak memory (VmHWM) at start-up:"
awk -v b="$bare_kb" -v v="$velt_kb" 'BEGIN { printf "  bare Qt program %7.1f MiB\n  Veltrane        %7.1f MiB  ratio %.2f (goal 1.25)\n", b/1024, v/1024, v/b }'
build/tests/benchmark/guessbench 2>/dev/null

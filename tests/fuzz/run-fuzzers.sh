#!/usr/bin/env bash
# Runs every fuzzer of a fuzz build for SECONDS each, one after another, from a scratch copy of
# its seed corpus (the tree stays as it is). A fuzzer that finds a crash, a leak, a hang or a
# sanitizer report fails the script and shows the input it found. Usage: run-fuzzers.sh BUILD_DIR [SECONDS] [FUZZER...]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="$1"
seconds="${2:-60}"
shift $(($# < 2 ? $# : 2))
fuzzers=("$@")
if [ ${#fuzzers[@]} -eq 0 ]; then
  for program in "$build"/bin/*Fuzz; do fuzzers+=("$(basename "$program")"); done
fi

# Scratch files of the GUI targets go to memory where it can hold them: a save syncs to disk.
[ -w /dev/shm ] && export TMPDIR=/dev/shm
scratch="$(mktemp -d)"
for fuzzer in "${fuzzers[@]}"; do
  name="${fuzzer%Fuzz}"
  mkdir -p "$scratch/$name/corpus" "$scratch/$name/found"
  echo "== $fuzzer for $seconds s =="
  seeds=("$here/corpus/$name")
  [ -d "$here/crashes/$name" ] && seeds+=("$here/crashes/$name")
  log="$scratch/$name/log"
  if ! "$build/bin/$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$scratch/$name/found/" "$scratch/$name/corpus" "${seeds[@]}" > "$log" 2>&1; then
    tail -n 100 "$log"
    for found in "$scratch/$name/found/"*; do echo "== input: $found"; od -c "$found" | head -n 40; done
    exit 1
  fi
  grep -E "INITED|DONE|stat::" "$log"
done
rm -rf "$scratch"

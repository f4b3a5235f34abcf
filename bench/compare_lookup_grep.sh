#!/usr/bin/env bash
# Whole-process comparison: termora-lookup's Containing Text search against
# grep -F -i -c over the data file, for the same term, several runs each.
# Usage: bench/compare_lookup_grep.sh [BUILD_DIR] [TERM] [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
term=${2:-memory}
runs=${3:-50}
lookup=("$build/bin/termora-lookup" --method text --keys-only "$term")
grepper=(grep -F -i -c "$term" "$root/data/acronyms.txt")

if command -v hyperfine >/dev/null; then
  hyperfine -N --warmup 5 --runs "$runs" "${lookup[*]}" "${grepper[*]}"
  exit 0
fi
measure() {
  local start end
  start=$(date +%s%N)
  for ((i = 0; i < runs; i++)); do "$@" >/dev/null || true; done
  end=$(date +%s%N)
  echo "$(( (end - start) / runs / 1000 )) us per run: $*"
}
echo "hits: termora-lookup $("${lookup[@]}" | wc -l), grep $("${grepper[@]}")"
measure "${lookup[@]}"
measure "${grepper[@]}"

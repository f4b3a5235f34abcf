#!/usr/bin/env bash
# Runs every test and benchmark executable as a developer does by hand,
# outside ctest and its settings, with HOME, TMPDIR and XDG_RUNTIME_DIR
# pointing at empty sentinel folders. Fails when one of them does not finish
# or leaves anything in those folders: each must keep to a private home and
# temporary folder of its own.
# Usage: run_by_hand.sh BUILD_DIR
set -euo pipefail
build=$1
sentinel=$(mktemp -d)
trap 'rm -rf "$sentinel"' EXIT
folders=("$sentinel/home" "$sentinel/tmp" "$sentinel/run")
mkdir -m 700 "${folders[@]}"

keep=()
for name in ASAN_OPTIONS UBSAN_OPTIONS; do
  [ -n "${!name:-}" ] && keep+=("$name=${!name}")
done

failed=0
ran=0
for exe in "$build"/tests/* "$build"/bench/*; do
  [ -f "$exe" ] && [ -x "$exe" ] && [ "$(head -c 4 "$exe" | od -An -c | tr -d ' ')" = '177ELF' ] || continue
  args=()
  case "$exe" in "$build"/bench/*) args=(--benchmark_min_time=0.001) ;; esac
  ran=$((ran + 1))
  if ! env -i PATH="$PATH" "${keep[@]}" HOME="$sentinel/home" TMPDIR="$sentinel/tmp" XDG_RUNTIME_DIR="$sentinel/run" \
      QT_QPA_PLATFORM=offscreen timeout 120 "$exe" "${args[@]}" > "$sentinel/output" 2>&1 < /dev/null; then
    echo "FAIL: $exe did not finish cleanly; its last lines:"
    tail -n 15 "$sentinel/output"
    failed=1
  fi
  left=$(find "${folders[@]}" -mindepth 1 -maxdepth 3)
  if [ -n "$left" ]; then
    echo "FAIL: $exe wrote into the user's folders:"
    echo "$left"
    failed=1
    for folder in "${folders[@]}"; do find "$folder" -mindepth 1 -delete; done
  fi
done
[ "$ran" -gt 0 ] || { echo "no test executables in $build"; exit 1; }
echo "$ran executables run by hand"
exit "$failed"

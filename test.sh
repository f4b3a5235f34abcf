#!/usr/bin/env bash
# Builds Termora with its tests (installing what they need) and runs every test.
#   --werror    treat compiler warnings as errors
#   --sanitize  build in build-asan with AddressSanitizer and UndefinedBehaviorSanitizer
set -euo pipefail
source "$(dirname "$0")/scripts/common.sh"
dir="$TERMORA_ROOT/build"
# Every run states the warning setting, so an earlier --werror does not stay
# in the build folder's cache.
werror=OFF
args=()
for opt in "$@"; do
  case "$opt" in
    --werror) werror=ON ;;
    --sanitize) dir="$TERMORA_ROOT/build-asan"; args+=(-DTERMORA_SANITIZE=ON -DTERMORA_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug) ;;
    *) echo "test.sh: unknown option $opt" >&2; exit 2 ;;
  esac
done
termora_install_packages
termora_build "$dir" -DTERMORA_WERROR="$werror" "${args[@]}"
export QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
ctest --test-dir "$dir" --output-on-failure --parallel "$(nproc)" --timeout 300

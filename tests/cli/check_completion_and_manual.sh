#!/usr/bin/env bash
# termora-lookup's bash completion offers its options and method names, and
# its options are the same in --help, the manual page and the completion;
# the manual page renders without warnings.
# Usage: check_completion_and_manual.sh TERMORA_LOOKUP SOURCE_DIR
set -uo pipefail
lookup=$1
source_dir=$2
failures=0
fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}

# shellcheck source=/dev/null
source "$source_dir/termora-lookup.bash"
# Each case: the words on the command line (the last one being completed),
# a bar, and the words offered.
while IFS='|' read -r line expected; do
  read -r -a COMP_WORDS <<< "$line"
  [[ $line == *' ' ]] && COMP_WORDS+=('')
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _termora_lookup
  offered="${COMPREPLY[*]}"
  [ "$offered" = "$expected" ] || fail "completing '$line' offers '$offered', not '$expected'"
done << 'CASES'
termora-lookup --m|--method
termora-lookup --|--method --any-length --length --keys-only --count --json --no-user --help --
termora-lookup --c|--count
termora-lookup --n|--no-user
termora-lookup --method |exact related text anagram
termora-lookup --method an|anagram
termora-lookup --count --method t|text
termora-lookup --length 1|1 10 11 12 13 14 15 16 17 18 19
termora-lookup ra|
termora-lookup -- --j|
CASES

options_of() { grep -o -- '--[a-z][a-z-]*' | sort -u; }
help_options=$("$lookup" --help | options_of)
manual_options=$(sed 's/\\-/-/g' "$source_dir/termora-lookup.1" | options_of)
completed_options=$(grep -o -- "-W '--[^']*'" "$source_dir/termora-lookup.bash" | options_of)
[ -n "$help_options" ] || fail "--help names no option"
[ "$help_options" = "$manual_options" ] || fail "--help and the manual page differ: $(diff <(echo "$help_options") <(echo "$manual_options") | tr '\n' ' ')"
[ "$help_options" = "$completed_options" ] || fail "--help and the completion differ: $(diff <(echo "$help_options") <(echo "$completed_options") | tr '\n' ' ')"
for option in $help_options; do
  errors=$("$lookup" "$option" 2>&1 > /dev/null < /dev/null)
  [[ $errors != *"unknown option"* ]] || fail "$option is documented but not accepted"
done

if command -v groff > /dev/null; then
  warnings=$(groff -man -Tutf8 -ww -z "$source_dir/termora-lookup.1" 2>&1)
  [ -z "$warnings" ] || fail "the manual page: $warnings"
else
  fail "groff is missing, the manual page was not checked"
fi

[ "$failures" -eq 0 ] && echo "completion and manual page agree with --help"
exit "$((failures > 0))"

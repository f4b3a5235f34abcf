#!/usr/bin/env bash
# Fails when an executable carries an empty or relative library search path
# (RPATH or RUNPATH): the loader would then look for shared libraries in the
# current folder, where anyone may have put one.
# Usage: check_runpath.sh FOLDER...   (every ELF file below the folders)
set -euo pipefail
checked=0
bad=0
while IFS= read -r -d '' file; do
  [ "$(head -c 4 "$file" | od -An -c | tr -d ' ')" = '177ELF' ] || continue
  checked=$((checked + 1))
  paths=$(readelf -d "$file" | sed -n 's/.*(\(RPATH\|RUNPATH\)).*\[\(.*\)\]$/\2/p')
  [ -n "$paths" ] || continue
  while IFS= read -r entries; do
    IFS=: read -r -a list <<< "$entries:"
    for entry in "${list[@]}"; do
      case "$entry" in
        /* | '$ORIGIN' | '$ORIGIN/'*) ;;
        *) echo "$file: search path [$entries] has the entry '$entry'"; bad=1; break ;;
      esac
    done
  done <<< "$paths"
done < <(find "$@" -type f -perm -u+x -print0)
[ "$checked" -gt 0 ] || { echo "no executables found in $*"; exit 1; }
echo "$checked executables checked"
exit "$bad"

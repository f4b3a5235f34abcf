#!/usr/bin/env bash
# End-to-end check of an installed Termora on a machine shared with others.
# Installs the build into a temporary prefix, plants another user's
# update.ini, more.txt and Contributor.txt in a sticky shared temporary
# folder, and runs the installed termora-lookup, termora and the window
# driver (termora-installed-check) as an unprivileged user. Then checks that
# the pages filled, the user's files went to the user's folders, nothing was
# written into the prefix, and the planted files were neither read nor
# changed. Then termora-lookup finds the user's own entries: the one added
# in the window and a dictionary file the user puts in place. Last it starts
# termora with a term twice: the second start hands its term to the first
# window and ends. Run as root it drops to the user nobody (setpriv or runuser).
# Usage: check_installed.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)

say() { echo "installed-check: $*"; }
fail() {
  echo "installed-check: FAILED: $*" >&2
  exit 1
}

work=$(mktemp -d /tmp/termora-installed-check.XXXXXX)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
prefix=$work/prefix

# --- the installation -------------------------------------------------------
say "installing into $prefix"
cmake --install "$build" --prefix "$prefix" > "$work/install.log"
for program in termora termora-lookup; do
  [ -x "$prefix/bin/$program" ] || fail "bin/$program was not installed"
done
for file in share/termora/FileExtension.db share/man/man1/termora-lookup.1 share/bash-completion/completions/termora-lookup; do
  [ -f "$prefix/$file" ] || fail "$file was not installed"
done
[ -z "$(find "$prefix/bin" -type f ! -perm -u+x)" ] || fail "data files in bin/: $(find "$prefix/bin" -type f ! -perm -u+x)"
cmake --install "$build" --prefix "$prefix" --component installed-check > /dev/null
"$here/../executables/check_runpath.sh" "$prefix/bin" | sed 's/^/installed-check: search paths: /'

# --- who runs it ------------------------------------------------------------
run_as=()
if [ "$(id -u)" -ne 0 ]; then
  uid=$(id -u)
  gid=$(id -g)
  say "running as $(id -un) (uid $uid), an ordinary user; the planted files are this user's own"
else
  if getent passwd nobody > /dev/null; then
    uid=$(id -u nobody)
    gid=$(id -g nobody)
  else
    uid=65534
    gid=65534
  fi
  if command -v setpriv > /dev/null; then
    run_as=(setpriv --reuid="$uid" --regid="$gid" --clear-groups --)
    say "running as uid $uid (nobody) through setpriv; the planted files belong to root"
  elif command -v runuser > /dev/null && getent passwd nobody > /dev/null; then
    run_as=(runuser -u nobody --)
    say "running as nobody through runuser; the planted files belong to root"
  else
    uid=0
    gid=0
    say "SKIPPED: the run as an unprivileged user (neither setpriv nor runuser with a user nobody);"
    say "running as root instead, where the planted files are root's own"
  fi
fi

home=$work/home
shared=$work/shared   # like /tmp: everyone may write, only owners delete
mkdir "$home" "$shared"
chown "$uid:$gid" "$home"
chmod 1777 "$shared"

# --- another user's files in the shared temporary folder ---------------------
printf '[16]\r\nVersion=2099.1\r\nDLink=https://planted.example/get\r\n' > "$shared/update.ini"
printf 'Planted\t2099.01\tNot ours\t5\thttp://planted.example/more\t0\t\r\n' > "$shared/more.txt"
printf 'Planted\t-\t-\t-\t-\tNot ours\r\n' > "$shared/Contributor.txt"
planted=("$shared/update.ini" "$shared/more.txt" "$shared/Contributor.txt")
chmod 644 "${planted[@]}"
sha256sum "${planted[@]}" > "$work/planted.sums"
# With an access time before the change time the file system records the
# next read (relatime); a canary shows whether it does here.
touch -a -d '2001-01-01' "${planted[@]}"
canary=$work/canary
echo canary > "$canary"
touch -a -d '2001-01-01' "$canary"
cat "$canary" > /dev/null
atime_tracked=no
[ "$(stat -c %X "$canary")" != "$(date -d 2001-01-01 +%s)" ] && atime_tracked=yes

snapshot_planted() { stat -c '%n %s %Y %Z %X %a %u %F' "${planted[@]}"; }
snapshot_prefix() {
  (cd "$prefix" && find . -printf '%p %y %s %m %u %T@\n' | sort && find . -type f -exec sha256sum {} + | sort)
}
snapshot_planted > "$work/planted.before"
snapshot_prefix > "$work/prefix.before"

# A library planted in the folder the programs start from: found only
# through an empty or relative search path.
startdir=$work/start
mkdir "$startdir"
echo 'not a library' > "$startdir/libstdc++.so.6"
cp "$startdir/libstdc++.so.6" "$startdir/libQt6Core.so.6"
chmod -R a+rX "$startdir"

# exec_as_user_in HOME COMMAND...: replaces the shell with the command as the
# user with that home; run in a subshell, `( exec_as_user_in ... ) &` makes $!
# the program's own.
exec_as_user_in() {
  local user_home=$1
  shift
  cd "$startdir" && exec "${run_as[@]}" env -i PATH=/usr/bin:/bin HOME="$user_home" TMPDIR="$shared" LANG=C.UTF-8 \
    QT_QPA_PLATFORM=offscreen "$@"
}
as_user_in() { (exec_as_user_in "$@"); }
as_user() { as_user_in "$home" "$@"; }

# --- the installed programs ---------------------------------------------------
say "termora-lookup ram"
lookup=$(as_user "$prefix/bin/termora-lookup" ram) || fail "termora-lookup ended with $?"
grep -q "^RAM	" <<< "$lookup" || fail "termora-lookup did not find RAM: $lookup"
say "  $(wc -l <<< "$lookup") hits, the first: $(head -n 1 <<< "$lookup" | cut -c 1-60)"
say "termora-lookup --count - (terms from standard input)"
counts=$(printf 'ram\nqqqqzzzz\n' | as_user "$prefix/bin/termora-lookup" --count -) || fail "termora-lookup - ended with $?"
[ "$(sed -n 2p <<< "$counts")" = 0 ] && [ "$(sed -n 1p <<< "$counts")" -gt 0 ] ||
  fail "termora-lookup --count - answered: $counts"
say "  $(tr '\n' ' ' <<< "$counts")for ram and qqqqzzzz"

say "termora (offscreen, stopped after 10 s)"
status=0
as_user timeout 10 "$prefix/bin/termora" > "$work/termora.log" 2>&1 || status=$?
[ "$status" -eq 124 ] || { cat "$work/termora.log"; fail "termora ended with $status before it was stopped"; }
grep -qF "$prefix/bin/termora" "$home/.config/Velmont/registry.ini" ||
  fail "termora did not record its path in ~/.config/Velmont/registry.ini"
say "  ran until stopped; recorded its path in ~/.config/Velmont/registry.ini"

say "the window, driven: More Software, contributor list, catalogue, update check, add a browser, add and find an entry"
if ! as_user env TERMORA_INSTALLED_CHECK=1 "$prefix/bin/termora-installed-check" > "$work/driver.log" 2>&1; then
  cat "$work/driver.log"
  fail "the window check failed"
fi
grep -v '^QStandardPaths: ' "$work/driver.log" | grep -v '^Config: ' | sed 's/^/installed-check:   /'

private=$shared/termora-$uid

say "termora-lookup with the user's own entries: the one added in the window, a file in dictionaries/"
as_user sh -c 'mkdir -p "$HOME/.local/share/termora/dictionaries" &&
  printf "ZZQX\tZed\342\200\231s Queue\n" > "$HOME/.local/share/termora/dictionaries/mine.tsv"'
own=$(as_user "$prefix/bin/termora-lookup" --method related zzq 2>&1) || fail "termora-lookup zzq ended with $?: $own"
[ "$own" = "ZZQX	Zed’s Queue" ] || fail "termora-lookup did not find the dictionary file's entry: $own"
added=$(as_user "$prefix/bin/termora-lookup" xer 2>&1) || fail "termora-lookup xer ended with $?: $added"
grep -q "^XER	.* <2> Extended Entry Record$" <<< "$added" || fail "termora-lookup did not find the entry added in the window: $added"
status=0
as_user "$prefix/bin/termora-lookup" --no-user zzqx > /dev/null 2>&1 || status=$?
[ "$status" -eq 1 ] || fail "termora-lookup --no-user zzqx ended with $status, not 1"
say "  found ZZQX and XER; --no-user leaves them out"

say "termora ram, then termora atm as a second start (a home without the donation window)"
grep -qx 'Exec=termora --selection' "$prefix/share/applications/termora.desktop" ||
  fail "the desktop entry has no action that looks up the selected text"
lookup_home=$work/lookup-home
mkdir -p "$lookup_home/.config/Velmont"
printf '[Software]\nVelmont\\Support\\16=0\n' > "$lookup_home/.config/Velmont/registry.ini"
chown -R "$uid:$gid" "$lookup_home"
# What the running Termora's window shows: the search box and the counter.
shown() {
  as_user_in "$lookup_home" python3 -c '
import json, socket, sys
connection = socket.socket(socket.AF_UNIX)
connection.settimeout(2)
connection.connect(sys.argv[1])
connection.sendall(b"{\"request\":\"status\"}\n")
answer = json.loads(connection.makefile().readline())
print(answer["find"] + " " + answer["counter"])' "$private/instance.socket" 2> /dev/null
}
shows_searched() {
  for _ in $(seq 150); do
    shown | grep -q "^$1 \[ 1 / [0-9]* \]$" && return 0
    sleep 0.2
  done
  return 1
}
(exec_as_user_in "$lookup_home" "$prefix/bin/termora" ram) > "$work/first.log" 2>&1 &
first=$!
shows_searched ram || { cat "$work/first.log"; fail "the first start does not show ram looked up: $(shown)"; }
started=$(date +%s%N)
status=0
as_user_in "$lookup_home" "$prefix/bin/termora" atm 2> "$work/second.log" || status=$?
[ "$status" -eq 0 ] || { cat "$work/second.log"; fail "the second start ended with $status"; }
ended=$(date +%s%N)
shows_searched atm || fail "the second start's atm was not looked up in the first window: $(shown)"
say "  the second start ended with 0 after $(((ended - started) / 1000000)) ms; the first window shows $(shown)"
kill "$first"
wait "$first" 2> /dev/null || true
for exe in /proc/[0-9]*/exe; do
  [[ "$(readlink "$exe" 2> /dev/null)" != "$prefix"/bin/* ]] || fail "a program of the check still runs: ${exe%/exe}"
done

# --- what was written, and where --------------------------------------------
[ "$(stat -c '%F %a %u' "$private")" = "directory 700 $uid" ] ||
  fail "the private temporary folder is $(stat -c '%F %a %u' "$private")"
for name in more.txt Contributor.txt update.ini; do
  [ -f "$private/$name" ] || fail "$name is not in the private temporary folder"
done
grep -q 'Version=2016.1' "$private/update.ini" || fail "the private update.ini is not the downloaded one"
tr -d '\r' < "$home/.config/Velmont/Browser.dat" | grep -qx '/usr/bin/installed-check-browser --new-window' ||
  fail "the browser is not in ~/.config/Velmont/Browser.dat"
grep -qF "(S:'XER';L:'Extended Entry Record')," "$home/.local/share/termora/New.txt" ||
  fail "the entry is not in ~/.local/share/termora/New.txt"
say "the user's files: ~/.config/Velmont/{registry.ini,Browser.dat}, ~/.local/share/termora/New.txt,"
say "  and $(ls "$private" | tr '\n' ' ')in the private folder termora-$uid (mode 700)"

snapshot_prefix > "$work/prefix.after"
diff "$work/prefix.before" "$work/prefix.after" > "$work/prefix.diff" || {
  cat "$work/prefix.diff"
  fail "something was written into the prefix"
}
say "nothing was written into the prefix"

snapshot_planted > "$work/planted.after"
diff "$work/planted.before" "$work/planted.after" > "$work/planted.diff" || {
  cat "$work/planted.diff"
  fail "the planted files were read or changed"
}
sha256sum --check --quiet "$work/planted.sums" || fail "the planted files were changed"
if [ "$atime_tracked" = yes ]; then
  say "the planted files were neither read nor changed (contents, times including the access time, owner)"
else
  say "the planted files were not changed and not shown; this file system does not record reads"
fi
say "PASSED"

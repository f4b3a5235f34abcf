#!/usr/bin/env bash
# Whole processes, CPU time: termora-lookup against grep for the same search
# on the same data, for each method and the terms "memory", "network" and
# "e". Containing Text is compared with grep -F -i over the data file;
# Related and Exact print the keys alone against grep over a file of the
# keys (-F -i, and an anchored -i), and print whole lines against the text
# search's grep; Anagram, which grep cannot do, is compared with the text
# search's grep. Each process writes to a regular file (grep reads a
# /dev/null output as -q). The CPU time (user + system) of each process
# comes from wait4; the two commands of a pair run in alternation and the
# figures are medians over rounds, so the load of a shared machine weighs on
# both alike. The first lines give the floor: a process that only starts.
# Last, termora-lookup with the user's own entries: a generated dictionary
# file of USER_LINES lines (make_user_entries) against --no-user.
# Usage: bench/compare_lookup_grep.sh [BUILD_DIR] [ROUNDS] [RUNS_PER_ROUND] [USER_LINES]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
rounds=${2:-15}
runs=${3:-10}
user_lines=${4:-100000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# No user's files for the comparison with grep; a generated one for the last part.
mkdir -p "$work/no-user-data" "$work/user-data/termora/dictionaries"
"$build/tools/make_user_entries" "$user_lines" "$work/user-data/termora/dictionaries/generated.tsv"
# The keys alone, one per line, as the key methods see them.
LC_ALL=C sed -n "s/^(S:'\(.*\)';L:'.*'),\r\?$/\1/p" "$root/data/acronyms.txt" | LC_ALL=C sed "s/';L:'.*//" > "$work/keys.txt"

exec python3 - "$build/bin/termora-lookup" "$root/data/acronyms.txt" "$work" "$rounds" "$runs" "$user_lines" <<'PYTHON'
import os, re, statistics, sys

lookup, data, work, rounds, runs, user_lines = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4]), int(sys.argv[5]), sys.argv[6]
keys = os.path.join(work, "keys.txt")
out_path = os.path.join(work, "out")
no_user = dict(os.environ, LC_ALL="C", XDG_DATA_HOME=os.path.join(work, "no-user-data"))
with_user = dict(no_user, XDG_DATA_HOME=os.path.join(work, "user-data"))
env = no_user

def cpu_ms(argv):
    """CPU time of one process writing to a regular file, and its lines."""
    fd = os.open(out_path, os.O_WRONLY | os.O_CREAT | os.O_TRUNC, 0o600)
    actions = [(os.POSIX_SPAWN_DUP2, fd, 1)]
    pid = os.posix_spawn(argv[0], argv, env, file_actions=actions)
    os.close(fd)
    _, status, usage = os.wait4(pid, 0)
    if os.waitstatus_to_exitcode(status) not in (0, 1):
        sys.exit("failed: " + " ".join(argv))
    with open(out_path, "rb") as f:
        lines = f.read().count(b"\n")
    return (usage.ru_utime + usage.ru_stime) * 1000.0, lines

def median_of_rounds(a, b):
    times_a, times_b, ratios = [], [], []
    for _ in range(rounds):
        ta = sum(cpu_ms(a)[0] for _ in range(runs)) / runs
        tb = sum(cpu_ms(b)[0] for _ in range(runs)) / runs
        times_a.append(ta); times_b.append(tb); ratios.append(ta / tb)
    return statistics.median(times_a), statistics.median(times_b), statistics.median(ratios), cpu_ms(a)[1], cpu_ms(b)[1]

grep = "/usr/bin/grep" if os.path.exists("/usr/bin/grep") else "/bin/grep"
print(f"CPU time per process (user + system), median of {rounds} rounds of {runs} runs each")
floor_lookup, floor_grep, _, _, _ = median_of_rounds([lookup, "--help"], [grep, "--version"])
print(f"floor: termora-lookup --help {floor_lookup:.3f} ms, grep --version {floor_grep:.3f} ms")
print(f"{'term':9} {'method':31} {'lookup ms':>9} {'grep ms':>8} {'ratio':>6}  lines (lookup/grep)  compared with")
for term in ("memory", "network", "e"):
    text_grep = [grep, "-F", "-i", term, data]
    pairs = [
        ("text", ["--method", "text"], text_grep, "grep -F -i TERM data file"),
        ("related --keys-only", ["--method", "related", "--keys-only"], [grep, "-F", "-i", term, keys], "grep -F -i TERM keys"),
        ("related", ["--method", "related"], text_grep, "the text search's grep"),
        ("exact --keys-only", ["--method", "exact", "--keys-only"], [grep, "-i", "^" + re.escape(term), keys], "grep -i ^TERM keys"),
        ("exact", ["--method", "exact"], text_grep, "the text search's grep"),
        ("anagram", ["--method", "anagram"], text_grep, "the text search's grep"),
        ("anagram --any-length", ["--method", "anagram", "--any-length"], text_grep, "the text search's grep"),
    ]
    for name, options, grep_argv, against in pairs:
        a, b, ratio, la, lb = median_of_rounds([lookup] + options + ["--", term], grep_argv)
        print(f"{term:9} {name:31} {a:9.3f} {b:8.3f} {ratio:6.2f}  {la:>7}/{lb:<11}  {against}")

# The same process with the user's entries read, against --no-user (which
# reads no file); the environment is the user's for both.
env = with_user
print(f"\ntermora-lookup with {user_lines} lines of the user's own against --no-user")
print(f"{'term':9} {'method':31} {'own ms':>9} {'none ms':>8} {'ratio':>6}  lines (own/none)")
for term, name, options in (("ram", "exact", []), ("memory", "text", ["--method", "text"]), ("e", "related --keys-only", ["--method", "related", "--keys-only"])):
    a, b, ratio, la, lb = median_of_rounds([lookup] + options + ["--", term], [lookup, "--no-user"] + options + ["--", term])
    print(f"{term:9} {name:31} {a:9.3f} {b:8.3f} {ratio:6.2f}  {la:>7}/{lb:<11}")
PYTHON

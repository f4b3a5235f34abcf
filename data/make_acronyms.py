#!/usr/bin/env python3
"""Regenerate data/acronyms.txt from public, licensed acronym sources.

The sources are Debian 12 packages, read from their installed files and
pinned by version (see acronym_sources/ and LICENSES.md); the converter stops
when a package is missing or of another version. Meanings of one key are
merged in source order into "<1> ... <2> ..."; a meaning that repeats another
apart from case and a trailing bracketed tag is dropped. A pair from the
added sources is kept only when the key is a genuine abbreviation of its
meaning. Keys that break the key rules, and meanings that cannot be stored,
are rejected and counted.

Output: one record line per key, (S:'KEY';L:'EXPANSION'), in Windows-1252
with CR LF line ends.

Usage: make_acronyms.py [OUTPUT]   (default: acronyms.txt beside this script)
"""
import os
import sys

from acronym_sources import ADDED, CURATED
from acronym_sources.abbreviation import is_abbreviation
from acronym_sources.packages import version_problems
from acronym_sources.records import (Dictionary, key_is_valid, meaning_is_valid,
                                     record_line, with_case_suffixes)
from acronym_sources.text import clean, core


class Tally:
    def __init__(self, name):
        self.name = name
        self.read = self.broken = self.not_abbreviations = self.keys = self.meanings = 0

    def __str__(self):
        return ("%-22s %6d pairs read, %5d new keys, %5d new meanings, "
                "%4d broke the key rules, %4d not abbreviations"
                % (self.name, self.read, self.keys, self.meanings, self.broken,
                   self.not_abbreviations))


def collect():
    dictionary = Dictionary()
    tallies = []
    for source in CURATED + ADDED:
        tally = Tally(source.NAME)
        tallies.append(tally)
        for key, meaning in source.pairs():
            key, meaning = clean(key), clean(meaning)
            tally.read += 1
            if not key_is_valid(key) or not meaning_is_valid(meaning):
                tally.broken += 1
                continue
            if source in ADDED and not is_abbreviation(key, core(meaning)):
                tally.not_abbreviations += 1
                continue
            new_key = key not in dictionary.meanings
            if dictionary.add(key, meaning, source.NAME):
                tally.keys += new_key
                tally.meanings += 1
    return dictionary, tallies


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "acronyms.txt")
    problems = version_problems(CURATED + ADDED)
    if problems:
        sys.exit("make_acronyms.py: the pinned source packages are not installed:\n  "
                 + "\n  ".join(problems))
    dictionary, tallies = collect()
    records = with_case_suffixes(dictionary).meanings
    with open(out, "wb") as f:
        for key, meanings in records.items():
            f.write(record_line(key, [m for m, _ in meanings]))
    for tally in tallies:
        print(tally)
    total = sum(len(m) for m in records.values())
    print("%d keys, %d meanings written to %s" % (len(records), total, out))


if __name__ == "__main__":
    main()

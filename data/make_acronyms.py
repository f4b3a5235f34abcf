#!/usr/bin/env python3
"""Regenerate data/acronyms.txt from the public acronym lists.

Sources (Debian packages, read from their installed locations):
  * V.E.R.A. (dict-vera): /usr/share/dictd/vera.index and vera.dict.dz, GFDL
  * NetBSD acronym lists (bsdgames): /usr/share/games/bsdgames/acronyms
    and acronyms.comp

Output: one record line per key, (S:'KEY';L:'EXPANSION'), in Windows-1252,
CR LF line ends.  Meanings of one key are merged in source order into
"<1> ... <2> ..."; repeats that differ only in case are dropped.  Keys that
are equal ignoring case but spelt differently get " [1]", " [2]", " [3]".
An apostrophe inside an expansion is stored as the byte 0x02.

Usage: make_acronyms.py [OUTPUT]   (default: acronyms.txt beside this script)
"""
import gzip
import os
import sys
from collections import OrderedDict

VERA_INDEX = "/usr/share/dictd/vera.index"
VERA_DICT = "/usr/share/dictd/vera.dict.dz"
NETBSD_LISTS = ["/usr/share/games/bsdgames/acronyms",
                "/usr/share/games/bsdgames/acronyms.comp"]

B64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"
MAX_CASE_VARIANTS = 3
STRIP_PIECES = [".", "-", "/", "&", "?", "'", " [1]", " [2]", " [3]"]
PLACEHOLDER = "\x02"


def dict_number(text):
    value = 0
    for ch in text:
        value = value * 64 + B64.index(ch)
    return value


def clean(text):
    return " ".join(text.split())


def vera_entries():
    with gzip.open(VERA_DICT, "rb") as f:
        body = f.read()
    with open(VERA_INDEX, encoding="utf-8") as f:
        for line in f:
            head, offset, length = line.rstrip("\n").split("\t")
            if head.startswith("00database"):
                continue
            start = dict_number(offset)
            entry = body[start:start + dict_number(length)].decode("utf-8")
            key, _, meaning = entry.partition("\n")
            yield clean(key), clean(meaning)


def netbsd_entries():
    for path in NETBSD_LISTS:
        with open(path, encoding="utf-8") as f:
            for number, line in enumerate(f, 1):
                if number == 1 and line.startswith("$NetBSD"):
                    continue
                key, sep, meaning = line.rstrip("\n").partition("\t")
                if not sep:
                    # One line of the list separates key and text by blanks.
                    key, _, meaning = line.strip().partition(" ")
                yield clean(key), clean(meaning)


def strip_key(key):
    for piece in STRIP_PIECES:
        key = key.replace(piece, "")
    return key


def key_is_valid(key):
    if not key or "';L:'" in key or any(ord(c) < 32 for c in key):
        return False
    return 1 <= len(strip_key(key)) <= 19


def encodable(text):
    try:
        text.encode("cp1252")
        return True
    except UnicodeEncodeError:
        return False


def collect():
    """Return an ordered mapping key -> list of meanings, in source order."""
    meanings = OrderedDict()
    rejected = []
    for key, meaning in list(vera_entries()) + list(netbsd_entries()):
        if not meaning:
            continue
        if not key_is_valid(key) or not encodable(key + meaning):
            rejected.append(key)
            continue
        known = meanings.setdefault(key, [])
        if meaning.lower() not in (m.lower() for m in known):
            known.append(meaning)
    return meanings, rejected


def with_case_suffixes(meanings):
    """Give keys that differ only in case their suffix; merge the rest."""
    spellings = OrderedDict()
    for key in meanings:
        spellings.setdefault(key.lower(), []).append(key)
    result = OrderedDict()
    for key, texts in meanings.items():
        group = spellings[key.lower()]
        if len(group) == 1:
            result[key] = texts
            continue
        rank = group.index(key)
        if rank >= MAX_CASE_VARIANTS:
            # Only three suffixes exist: further spellings join the last one.
            last = "%s [%d]" % (group[MAX_CASE_VARIANTS - 1], MAX_CASE_VARIANTS)
            result[last].extend(t for t in texts if t.lower() not in
                                (m.lower() for m in result[last]))
            continue
        result["%s [%d]" % (key, rank + 1)] = list(texts)
    return result


def expansion(texts):
    if len(texts) == 1:
        text = texts[0]
    else:
        text = " ".join("<%d> %s" % (n, t) for n, t in enumerate(texts, 1))
    return text.replace("'", PLACEHOLDER)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "acronyms.txt")
    meanings, rejected = collect()
    records = with_case_suffixes(meanings)
    with open(out, "wb") as f:
        for key, texts in records.items():
            line = "(S:'%s';L:'%s')," % (key, expansion(texts))
            f.write(line.encode("cp1252") + b"\r\n")
    total = sum(len(t) for t in records.values())
    print("%d keys, %d meanings written to %s" % (len(records), total, out))
    if rejected:
        print("rejected %d keys: %s" % (len(rejected), ", ".join(rejected)))


if __name__ == "__main__":
    main()

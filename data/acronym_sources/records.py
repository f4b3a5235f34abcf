"""The key rules and the record lines of data/acronyms.txt.

A record line is (S:'KEY';L:'EXPANSION'), in Windows-1252. A key's length
without ".", "-", "/", "&", "?", "'" and its case suffix is 1 to 19; keys
that are equal ignoring case get " [1]", " [2]" or " [3]". Several meanings
are numbered "<1> ... <2> ..."; an apostrophe in an expansion is stored as
the byte 0x02.
"""
from collections import OrderedDict

from .text import core, has_tag, holds_marker

MAX_CASE_VARIANTS = 3
STRIP_PIECES = [".", "-", "/", "&", "?", "'", " [1]", " [2]", " [3]"]
PLACEHOLDER = "\x02"


def strip_key(key):
    for piece in STRIP_PIECES:
        key = key.replace(piece, "")
    return key


def _printable_cp1252(text):
    try:
        text.encode("cp1252")
    except UnicodeEncodeError:
        return False
    return not any(ord(c) < 0x20 or ord(c) == 0x7F for c in text)


def key_is_valid(key):
    if not key or "';L:'" in key or key != key.strip() or not _printable_cp1252(key):
        return False
    if any(key.endswith(suffix) for suffix in STRIP_PIECES[-MAX_CASE_VARIANTS:]):
        return False  # the case suffixes are the converter's to give
    return 1 <= len(strip_key(key)) <= 19


def meaning_is_valid(meaning):
    return bool(meaning) and _printable_cp1252(meaning) and not holds_marker(meaning)


class Dictionary:
    """Meanings per key in the order they arrive, each with its source.

    A meaning that repeats one already held under the key or under a
    spelling of it that differs only in case, apart from case and trailing
    bracketed tags, is dropped; when only the newcomer carries a tag and the
    key is the same, it takes the place of the bare one ("application binary
    interface" gives way to "Application Binary Interface (POE)")."""

    def __init__(self):
        self.meanings = OrderedDict()
        self._spellings = {}

    def add(self, key, meaning, source):
        """Add one meaning; True when it is new to the key."""
        wanted = core(meaning)
        for spelling in self._spellings.get(key.lower(), ()):
            for i, (held, origin) in enumerate(self.meanings[spelling]):
                if core(held) != wanted:
                    continue
                if spelling == key and has_tag(meaning) and not has_tag(held):
                    self.meanings[key][i] = (meaning, origin)
                return False
        if key not in self.meanings:
            self.meanings[key] = []
            self._spellings.setdefault(key.lower(), []).append(key)
        self.meanings[key].append((meaning, source))
        return True


def with_case_suffixes(dictionary):
    """Give keys that differ only in case their suffix; a fourth spelling
    and later ones join the third."""
    spellings = OrderedDict()
    for key in dictionary.meanings:
        spellings.setdefault(key.lower(), []).append(key)
    result = Dictionary()
    for key, meanings in dictionary.meanings.items():
        group = spellings[key.lower()]
        if len(group) == 1:
            target = key
        else:
            rank = min(group.index(key), MAX_CASE_VARIANTS - 1)
            target = "%s [%d]" % (group[rank], rank + 1)
        for meaning, source in meanings:
            result.add(target, meaning, source)
    return result


def expansion(meanings):
    if len(meanings) == 1:
        text = meanings[0]
    else:
        text = " ".join("<%d> %s" % (n, t) for n, t in enumerate(meanings, 1))
    return text.replace("'", PLACEHOLDER)


def record_line(key, meanings):
    return ("(S:'%s';L:'%s')," % (key, expansion(meanings))).encode("cp1252") + b"\r\n"

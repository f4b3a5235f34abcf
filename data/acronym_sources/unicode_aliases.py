"""Abbreviations of Unicode character names (Debian package unicode-data,
NameAliases.txt): "0001;SOH;abbreviation" beside "0001;START OF
HEADING;control". The numbered variation selectors (VS1 to VS256) are a
code table, not abbreviations, and are left out.
"""
import re

from .abbreviation import uses_every_initial
from .text import tagged

NAME = "Unicode"
PACKAGE = "unicode-data"
VERSION = "15.0.0-1"
SOURCE = "/usr/share/unicode/NameAliases.txt"

_SMALL_WORDS = {"of", "and", "for", "with"}
_NUMBERED_SERIES = re.compile(r"^VARIATION SELECTOR-\d+$")


def title(name):
    """"START OF HEADING" -> "Start of Heading"."""
    words = name.lower().split(" ")
    return " ".join(w if i and w in _SMALL_WORDS else w[:1].upper() + w[1:]
                    for i, w in enumerate(words))


def aliases():
    """Code point -> [(alias, type), ...] in the file's order."""
    found = {}
    with open(SOURCE, encoding="utf-8") as f:
        for line in f:
            line = line.split("#")[0].strip()
            if line:
                code, alias, kind = line.split(";")
                found.setdefault(code, []).append((alias, kind))
    return found


def pairs():
    for names in aliases().values():
        long_forms = [a for a, kind in names if kind != "abbreviation"
                      and not _NUMBERED_SERIES.match(a)]
        for abbreviation in (a for a, kind in names if kind == "abbreviation"):
            for long_form in long_forms:
                # A character has several names, an abbreviation stands for
                # one of them: "HTS" for "HORIZONTAL TABULATION SET", not
                # for "CHARACTER TABULATION SET".
                if uses_every_initial(abbreviation, long_form):
                    yield abbreviation, tagged(title(long_form), "Unicode")

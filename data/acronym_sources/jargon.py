"""The Jargon File 4.4.7 (Debian package dict-jargon).

An entry's first paragraph gives an abbreviation's long form in brackets or
quotes: "TLA  [Three-Letter Acronym]", "BBS  [common; abbreviation, “Bulletin
Board System”]", "AFK  [MUD] Abbrev. for “Away From Keyboard”"; or it names
the abbreviation of the entry's term: "Berkeley Quality Software  (often
abbreviated “BQS”)". The first long form that the entry's key abbreviates
is taken. A key in small letters, or a long form of one word, needs the
word "abbreviation" beside it, as a short word is easily found inside a
longer one ("ding", "dingbat").
"""
import re

from . import dictd
from .abbreviation import is_abbreviation
from .text import clean

NAME = "Jargon File"
PACKAGE = "dict-jargon"
VERSION = "4.4.7-3.1"

_QUOTED = re.compile(r"“([^”]*)”|‘([^’]*)’|\"([^\"]*)\"")
_BRACKETED = re.compile(r"\[([^\[\]]*)\]|\{([^{}]*)\}")
_SAID = re.compile(r"abbrev|acronym|letterism|contraction|expansion|stands? for|expands? to|mnemonic", re.IGNORECASE)
# Characters at the opening of a paragraph: "1. [IBM: acronym, "
_OPENING = 40
_ABBREVIATED = re.compile(r"abbreviated (?:as )?(?:“([^”]*)”|([A-Z][A-Z0-9]+))")


def _quoted(text):
    return [next(g for g in m.groups() if g is not None) for m in _QUOTED.finditer(text)]


def _candidates(paragraph):
    """(offset, text) of the texts in brackets and quotes, in their order;
    a bracket holding quotes gives only its quotes."""
    found = []
    for match in _BRACKETED.finditer(paragraph):
        inside = match.group(1) or match.group(2)
        parts = _quoted(inside) or re.split(r"[;:,]", inside)
        found.extend((match.start(), part) for part in parts)
    outside = _BRACKETED.sub(lambda m: " " * len(m.group()), paragraph)
    found.extend((m.start(), _quoted(m.group())[0]) for m in _QUOTED.finditer(outside))
    return [(at, clean(text.strip(" .`'"))) for at, text in sorted(found, key=lambda f: f[0])]


def _long_form(key, candidate, explained):
    """Whether the candidate is the key's long form, not a variant of it
    ("Borged", "DPer"), another abbreviation ("CIS") or a remark."""
    if not candidate or "(" in candidate or not is_abbreviation(key, candidate):
        return False
    if " " not in candidate:
        # One word: a clipped word ("arg", "argument"), said to be one.
        return explained and any(c.islower() for c in candidate) and \
            not (candidate.lower().startswith(key.lower()) and len(candidate) - len(key) <= 2)
    return True


def pairs_of_entry(text):
    head, _, body = text.partition("\n")
    head = clean(head)
    paragraphs = [clean(p) for p in re.split(r"\n\s*\n", body) if p.strip()]
    if len(paragraphs) < 2:
        return
    first = paragraphs[1]  # the paragraph after the pronunciation line
    abbreviated = _ABBREVIATED.search(first)
    if abbreviated:
        yield abbreviated.group(1) or abbreviated.group(2), head
    explained = "abbrev" in first.lower()
    if " " in head or sum(c.isalnum() for c in head) < 2 or \
            (head.lower() == head and not explained):
        return
    said = _SAID.search(first)
    for at, candidate in _candidates(first):
        # A long form far into the text needs words that say it is one.
        if (at < _OPENING or said) and _long_form(head, candidate, explained):
            yield head, candidate
            return


def pairs():
    for _, text in dictd.indexed_entries("jargon"):
        yield from pairs_of_entry(text)

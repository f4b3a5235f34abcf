"""Ding, the German-English dictionary of TU Chemnitz (Debian package
trans-de-en, /usr/share/trans/de-en).

A line is "GERMAN :: ENGLISH"; each side holds entries separated by " | ",
matching one another in order, and each entry holds terms separated by
"; ". Ding marks a term's abbreviation explicitly as "/ABBR/" behind it:
"Allgemeine Geschäftsbedingungen {pl} /AGB/ :: general terms and conditions
/GTC/". German expansions carry their language and their English
translation as a tag: "Allgemeine Geschäftsbedingungen (German: general
terms and conditions)".
"""
import re

from .text import clean

NAME = "Ding"
PACKAGE = "trans-de-en"
VERSION = "1.9-6"
SOURCE = "/usr/share/trans/de-en"

_MARKER = re.compile(r"(?:^|\s)/(\S(?:[^/;|]*\S)?)/(?=\s|$)")
# Grammar marks {f}, subject and usage tags [...], comments (...), other
# spellings <...>.
_ANNOTATION = re.compile(r"\{[^{}]*\}|\[[^\[\]]*\]|\([^()]*\)|<[^<>]*>")


def _plain(term):
    return clean(_ANNOTATION.sub(" ", term))


def _marked(term):
    """(expansion, [abbreviation, ...]) of a term that carries a marker,
    else None. "/Inc., inc./" names two spellings."""
    match = _MARKER.search(term)
    if not match:
        return None
    expansion = _plain(term[:match.start()])
    if not expansion or _MARKER.search(term[match.end():]):
        return None  # a term with two markers is a list, not one term
    return expansion, [clean(a) for a in match.group(1).split(", ")]


def _split(text, separator):
    """Split at the separator where it stands outside brackets."""
    parts, depth, start, i = [], 0, 0, 0
    while i < len(text):
        if text[i] in "([{<":
            depth += 1
        elif text[i] in ")]}>":
            depth = max(depth - 1, 0)
        elif depth == 0 and text.startswith(separator, i):
            parts.append(text[start:i])
            i = start = i + len(separator)
            continue
        i += 1
    parts.append(text[start:])
    return parts


def _terms(entry):
    return [t for t in _split(entry, "; ") if t.strip()]


def pairs_of_line(line):
    german, sep, english = line.partition(" :: ")
    if not sep:
        return
    german_entries = _split(german, " | ")
    english_entries = _split(english, " | ")
    for entry in english_entries:
        for marked in filter(None, map(_marked, _terms(entry))):
            for abbreviation in marked[1]:
                yield abbreviation, marked[0]
    for number, entry in enumerate(german_entries):
        translation = _terms(english_entries[number]) if number < len(english_entries) else []
        english_marks = {a for m in map(_marked, translation) if m for a in m[1]}
        # The translation up to its own abbreviation: "number /no./".
        meaning = _plain(translation[0].split(" /")[0]) if translation else ""
        for expansion, abbreviations in filter(None, map(_marked, _terms(entry))):
            language = "German"
            if meaning and meaning.lower() != expansion.lower():
                language += ": " + meaning
            for abbreviation in abbreviations:
                if abbreviation not in english_marks:
                    yield abbreviation, "%s (%s)" % (expansion, language)


def pairs():
    with open(SOURCE, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#"):
                continue
            yield from pairs_of_line(line.rstrip("\n"))

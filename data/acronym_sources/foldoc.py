"""FOLDOC, the Free On-line Dictionary of Computing (Debian package
dict-foldoc).

An entry is its head lines (a term and often its abbreviation: "Internet
Engineering Task Force", "IETF") and an indented text of one or more senses,
each opening with its subjects in angle brackets ("<networking, standard>").
Pairs come from
  * an abbreviation among the head lines with the long form beside it;
  * an abbreviation's sense that opens with its long form: "ATM  1.
    <communications> {Asynchronous Transfer Mode}.", "2. Automatic Teller
    Machine - a cash dispenser.";
  * a long form followed by its abbreviation in parentheses inside a text:
    "the {Internet Architecture Board} (IAB)".
FOLDOC's text is wrapped freely, so entries are cut at the offsets of the
database's index, which dictfmt made from FOLDOC's own unambiguous head
lines. Entries that Debian added (subject "Debian") are left out.
"""
import re

from . import dictd
from .abbreviation import content_words, initials_given, is_abbreviation, looks_abbreviated
from .text import clean, tagged

NAME = "FOLDOC"
PACKAGE = "dict-foldoc"
VERSION = "20230119-1"

_LINK = re.compile(r"\{([^{}]*?)(?:\s*\([a-z]+://[^()]*\))?\}")
_SENSE = re.compile(r"(?:^|\s)\d+\.\s+(?=\S)")
_SUBJECTS = re.compile(r"^<([^<>]*)>\s*")
_PRONUNCIATION = re.compile(r"^(/[^/]*/,?\s*)+")
# An abbreviation in parentheses inside a text: "(IAB)".
_IN_PARENTHESES = re.compile(r"\(([A-Za-z0-9][A-Za-z0-9&./+-]*)\)")
_LONG_FORM_END = re.compile(r"\s+-\s|[.,;:(]\s|[.]$")


def _head_lines(head, indexed):
    """The head lines of an entry, a head word wrapped over two lines (as
    its index entry shows) joined again."""
    lines = [clean(h) for h in head.split("\n") if h.strip()]
    joined = []
    for line in lines:
        if joined and joined[-1].lower() not in indexed and \
                (joined[-1] + " " + line).lower() in indexed:
            joined[-1] += " " + line
        else:
            joined.append(line)
    return joined


def _entries():
    """(head lines, text) of each entry, in the order of the body."""
    for indexed, text in dictd.indexed_entries("foldoc"):
        head, _, body = text.partition("\n\n")
        yield _head_lines(head, indexed), body


def _plain(text):
    return clean(_LINK.sub(r"\1", text))


def _senses(body):
    """(subject, text) of each sense of an entry's text."""
    text = clean(body)
    parts = _SENSE.split(text) if _SENSE.match(text) else [text]
    for part in filter(None, (p.strip() for p in parts)):
        match = _SUBJECTS.match(part)
        # The first subject is the main one: "<networking, standard, body>".
        subject = clean(match.group(1).split(",")[0]) if match else ""
        yield subject, part[match.end():] if match else part


def _opening_long_form(sense):
    """The long form a sense opens with, or None."""
    sense = _PRONUNCIATION.sub("", sense)
    link = re.match(r"\{([^{}]*)\}", sense)
    if link:
        return _usable(_plain(link.group(0)))
    end = _LONG_FORM_END.search(sense)
    return _usable(clean(sense[:end.start()])) if end else None


def _usable(long_form):
    """A long form that is plain words, not a fragment of a sentence."""
    if not long_form[:1].isalnum() or any(c in long_form for c in "\"(){}[]"):
        return None
    return long_form


def _long_form_before(text, abbreviation):
    """The run of words ending the text that the abbreviation abbreviates,
    its first word beginning with the abbreviation's first letter and two of
    its content words giving their initial ("in this" is no long form of
    ITS), as the extent of a long form in a text is a guess. Of those, the
    one with most words that give their initial and fewest that give none,
    then the shortest ("device dependent bitmap", not "dependent bitmap",
    for DDB). A link just before the parentheses is taken whole."""
    text = text.rstrip()
    if text.endswith("}"):
        start = text.rfind("{")
        return _usable(_plain(text[start:])) if start >= 0 else None
    words = _plain(text).split(" ")
    letters = sum(1 for c in abbreviation if c.isalnum())
    best, most = None, 0
    for count in range(1, min(len(words), letters + 5, letters * 2) + 1):
        candidate = " ".join(words[-count:])
        if candidate[:1].lower() != abbreviation[:1].lower() or \
                not is_abbreviation(abbreviation, candidate):
            continue
        initials = initials_given(abbreviation, candidate)
        score = 2 * initials - content_words(candidate)
        if initials >= min(2, letters) and (best is None or score > most):
            best, most = candidate, score
    return _usable(best) if best else None


def _pairs_in_text(text):
    for match in _IN_PARENTHESES.finditer(text):
        abbreviation = match.group(1)
        if not looks_abbreviated(abbreviation):
            continue
        long_form = _long_form_before(text[:match.start()], abbreviation)
        if long_form:
            yield abbreviation, long_form


def pairs_of_entry(heads, body):
    if "<Debian" in body:
        return
    keys = [h for h in heads if looks_abbreviated(h)]
    names = [h for h in heads if h not in keys]
    for key in keys:
        for name in names:
            yield key, tagged(name, next(_senses(body), ("", ""))[0])
        for subject, sense in _senses(body):
            long_form = _opening_long_form(sense)
            if long_form:
                yield key, tagged(long_form, subject)
    for subject, sense in _senses(body):
        opening = re.match(r"\(([^()]*)\)", sense)
        if opening and looks_abbreviated(opening.group(1)):
            for name in names:
                yield opening.group(1), tagged(name, subject)
        yield from _pairs_in_text(sense)


def pairs():
    for heads, body in _entries():
        yield from pairs_of_entry(heads, body)

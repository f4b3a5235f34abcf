"""GCIDE, the GNU Collaborative International Dictionary of English
(Debian package dict-gcide).

An entry opens with its head word, its pronunciation between backslashes
and its part of speech: "LDL \\LDL\\ n. [acronym from Low-Density
Lipoprotein.]". Abbreviation entries are those whose head word is written
in capitals ("MSB \\MSB\\ n. See {mutual savings bank}. [abbr.]") and those
that call themselves an abbreviation ("lcm \\lcm\\ n. Abbreviation for the
least common multiple"); the first long form in the entry that the head word
abbreviates is taken, and for head words in small letters only the one
the entry names as such. An entry of a long form may name its abbreviation:
"monosodium glutamate ... abbreviated MSG".
"""
import re

from . import dictd
from .abbreviation import is_abbreviation, looks_abbreviated
from .text import clean

NAME = "GCIDE"
PACKAGE = "dict-gcide"
VERSION = "0.48.5+nmu2"

_HEAD = re.compile(r"^([^\\\n]+?) \\[^\\\n]*\\")
# "Abbreviation for the least common multiple", "[An abbreviation of typographical error.]"
_SAID = re.compile(r"(?:abbreviation|abbrev\.|abbr\.|acronym)\s+(?:of|for|from)\s+"
                   r"\{?([^.;,:\[\]{}]+)", re.IGNORECASE)
_LEAD_IN = re.compile(r"^(?:(?:prob\.|orig\.|probably|originally|an?|the|same as|see|"
                      r"acronym|abbreviation|abbrev\.|abbr\.|"
                      r"for|of|from|fr\.):?\s+)+", re.IGNORECASE)
_ABBREVIATED = re.compile(r"[Aa]bbreviated (?:as )?\{?([A-Z][A-Za-z0-9.&/-]*[A-Z0-9.])\}?")
_CANDIDATE = re.compile(r"\[([^\[\]]*)\]|\{([^{}]*)\}|Syn: ([^\n]*)|([^;,.:\[\]{}]+)")
# Further spellings with their pronunciations: ", DOD \\DOD\\(d[o^]d or ...)".
_PRONUNCIATION = re.compile(r"\\[^\\]*\\|\([^()]*\[[^()]*\)")
# Entries whose long form is garbled in this release, and misspelt words of
# long forms with their spelling.
_GARBLED = {"BASIC"}
_TYPOS = {"Modulaiton": "Modulation", "Puplishers": "Publishers", "Tarriffs": "Tariffs",
          "videocasette": "videocassette"}


def _candidates(text):
    """Texts that may be the long form, in their order: brackets, links,
    synonyms and the plain runs between punctuation."""
    for match in _CANDIDATE.finditer(text):
        inside = next(g for g in match.groups() if g is not None)
        for part in re.split(r"[;,]", inside) if match.group(3) else [inside]:
            # "[acronym from Light Amplification ...: ca. 1955.]"
            candidate = clean(_LEAD_IN.sub("", clean(part)).split(":")[0].rstrip("."))
            if not any(c in candidate for c in "\"()[]{}\\=") and \
                    any(len(word) > 2 for word in candidate.split(" ")):
                yield candidate


def pairs_of_entry(text):
    head = _HEAD.match(text)
    if not head:
        return
    key = clean(head.group(1))
    body = clean(_PRONUNCIATION.sub(" ", text[head.end():]))
    abbreviated = _ABBREVIATED.search(body)
    if abbreviated and not looks_abbreviated(key):
        yield abbreviated.group(1), key
    if " " in key or "'" in key or key in _GARBLED:
        return  # not contractions ("Can't")
    if looks_abbreviated(key):
        candidates = _candidates(body)
    else:
        # An acronym ("laser") or a clipped word ("Jnr", "Bart."), not a
        # word formed from another ("Sieur" from "seigneur").
        clipped = key.endswith(".") or sum(c.isalpha() for c in key) <= 4
        candidates = [clean(m.group(1)) for m in _SAID.finditer(body)
                      if clipped or m.group(0).lower().startswith("acronym")]
    for candidate in candidates:
        # Not an inflected or longer form of the head word ("Curios"), nor
        # another abbreviation ("HSV-1", "D-RAM").
        if not candidate.lower().startswith(key.lower().rstrip(".")) and \
                not looks_abbreviated(candidate.split(" ")[0]) and \
                is_abbreviation(key, candidate):
            yield key, " ".join(_TYPOS.get(word, word) for word in candidate.split(" "))
            return


def pairs():
    for _, text in dictd.indexed_entries("gcide"):
        yield from pairs_of_entry(text)

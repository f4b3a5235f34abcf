"""Whether a key is a genuine abbreviation of an expansion.

A pair counts when the key's letters and digits appear in the expansion in
their order, the first of them inside the expansion's first word, and the
alignment that uses the most word initials gives more than half of the
expansion's content words their initial ("Extensible Markup Language" for
XML: x inside "Extensible", M and L as initials).
"""
import re
import unicodedata

# Short function words of the languages in the sources; they may give a
# letter but need not.
STOP_WORDS = frozenset("""
    a an and as at by for from in into of on or the to with via
    am auf aus bei das dem den der des die du für im mit und vom von zu zum zur
    de del della di du et la le les y
""".split())

_WORD = re.compile(r"[^\W_]+")


def _fold(text):
    """Lower case without accents, so "ü" answers "u"."""
    decomposed = unicodedata.normalize("NFKD", text.lower())
    return "".join(c for c in decomposed if not unicodedata.combining(c))


def _letters(key):
    return [c for c in _fold(key) if c.isalnum()]


def _words(expansion):
    """(start, end, is_content) of each word, in the folded expansion."""
    text = _fold(expansion)
    return text, [(m.start(), m.end(), m.group() not in STOP_WORDS)
                  for m in _WORD.finditer(text)]


def _most_initials(letters, text, words):
    """Greatest number of content-word initials over all alignments of the
    key letters as a subsequence of the words' characters, the first letter
    inside the first word; None when no alignment exists."""
    # best[j]: most initials with the first j letters placed so far.
    best = [0] + [None] * len(letters)
    for number, (start, end, content) in enumerate(words):
        for i in range(start, end):
            gain = 1 if content and i == start else 0
            for j in range(len(letters), 0, -1):
                if best[j - 1] is None or letters[j - 1] != text[i]:
                    continue
                if j == 1 and number != 0:
                    continue
                if best[j] is None or best[j - 1] + gain > best[j]:
                    best[j] = best[j - 1] + gain
    return best[-1]


def initials_given(key, expansion):
    """How many of the key's letters can be initials of the expansion's
    content words (0 when the key is no subsequence of it)."""
    text, words = _words(expansion)
    return _most_initials(_letters(key), text, words) or 0


def looks_abbreviated(key):
    """One word, most of its letters capitals: "IETF", "CoAP", not "ping"."""
    letters = [c for c in key if c.isalpha()]
    capitals = sum(1 for c in letters if c.isupper())
    return " " not in key and capitals >= 2 and capitals * 2 > len(letters)


def is_abbreviation(key, expansion):
    letters = _letters(key)
    text, words = _words(expansion)
    if not letters or not words:
        return False
    if len(letters) >= sum(e - s for s, e, _ in words):
        return False  # the expansion is no longer than the key
    if "".join(letters) == text[words[0][0]:words[0][1]]:
        return False  # the key itself with a word added: "SAS System"
    initials = _most_initials(letters, text, words)
    if initials is None:
        return False
    return initials * 2 > (content_words(expansion) or 1)


def content_words(expansion):
    """How many words of the expansion are not function words."""
    return sum(1 for _, _, content in _words(expansion)[1] if content)


def uses_every_initial(key, expansion):
    """Whether the initials of all the expansion's content words are among
    the key's letters, in order ("SOH", "Start of Heading")."""
    letters = iter(_letters(key))
    text, words = _words(expansion)
    return all(text[start] in letters for start, _, content in words if content)

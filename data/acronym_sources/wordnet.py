"""WordNet 3.0, Princeton's lexical database of English (Debian package
wordnet-base, /usr/share/wordnet/data.*).

A synset lists the words of one sense. Where it holds a word in capitals
("ATM") beside words of several parts ("automatic_teller_machine"), each
such word that the capitals abbreviate gives a pair.
"""
import re

NAME = "WordNet"
PACKAGE = "wordnet-base"
VERSION = "1:3.0-37"
FILES = ["/usr/share/wordnet/data." + part for part in ("noun", "verb", "adj", "adv")]

_ADJECTIVE_MARK = re.compile(r"\((a|p|ip)\)$")


def synset_words(line):
    """The words of one synset line of a data file."""
    fields = line.split(" ")
    count = int(fields[3], 16)
    return [_ADJECTIVE_MARK.sub("", fields[4 + 2 * i]).replace("_", " ")
            for i in range(count)]


def _capitals(word):
    return " " not in word and any(c.isupper() for c in word) and \
        not any(c.islower() for c in word)


def pairs_of_synset(words):
    keys = [w for w in words if _capitals(w)]
    long_forms = [w for w in words if len(re.split(r"[ -]+", w)) > 1 and not _capitals(w)]
    for key in keys:
        for long_form in long_forms:
            yield key, long_form


def pairs():
    for path in FILES:
        with open(path, encoding="utf-8") as f:
            for line in f:
                if not line.startswith("  "):
                    yield from pairs_of_synset(synset_words(line))

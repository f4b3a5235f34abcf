"""V.E.R.A., Virtual Entity of Relevant Acronyms (Debian package dict-vera).

The body holds one entry per block of lines: the key on a line of its own
and the meaning indented below it, or, in a few entries, key and meaning on
one indented line, set apart by a run of blanks ("C&C          Command &
Control [server]"). Such a line may follow another entry's meaning without a
blank line between them; it starts an entry of its own.
"""
import re

from . import dictd
from .text import clean

NAME = "V.E.R.A."
PACKAGE = "dict-vera"
VERSION = "1:1.24-1"

_ONE_LINE_ENTRY = re.compile(r"^\s+(\S+) {2,}(\S.*)$")


class FormatError(Exception):
    pass


def _entries_of_block(lines):
    """The (key, meaning) entries of one block, or None if the block does
    not have the form of entries."""
    entries = []
    key, meaning = None, []
    for line in lines:
        one_line = _ONE_LINE_ENTRY.match(line)
        if not line[0].isspace() and key is None:
            key = line
        elif one_line:
            if key is not None:
                entries.append((key, meaning))
            entries.append((one_line.group(1), [one_line.group(2)]))
            key, meaning = None, []
        elif key is not None and (meaning or line[0].isspace()):
            meaning.append(line)
        else:
            return None
    if key is not None:
        if not meaning:
            return None
        entries.append((key, meaning))
    return [(clean(k), clean(" ".join(m))) for k, m in entries]


def entries(name="vera"):
    data = dictd.body(name)
    header = dictd.header_ranges(name)
    found = []
    for offset, lines in dictd.blocks(data):
        block_entries = _entries_of_block(lines)
        if block_entries is None:
            if dictd.in_ranges(offset, header):
                continue
            raise FormatError("%s: byte %d: not an entry: %r" % (name, offset, lines[0]))
        found.extend(block_entries)
    check_no_glued_entries(found)
    return found


def check_no_glued_entries(found):
    """Fail when a meaning holds another entry's head line ("KEY MEANING")."""
    by_first_word = {}
    for key, meaning in found:
        by_first_word.setdefault(key.split(" ")[0], []).append("%s %s" % (key, meaning))
    for key, meaning in found:
        words = meaning.split(" ")
        for i, word in enumerate(words):
            rest = " ".join(words[i:])
            for head in by_first_word.get(word, ()):
                if rest.startswith(head) and head != "%s %s" % (key, meaning):
                    raise FormatError("V.E.R.A.: the meaning of %s holds the entry %r"
                                      % (key, head))


def pairs():
    return entries()

"""Bodies of dictd databases (/usr/share/dictd/NAME.dict.dz) and their
entries, either as blocks of the body itself or as the spans its index
(NAME.index) points to.
"""
import gzip

DICTD = "/usr/share/dictd/"
_B64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"


def number(text):
    value = 0
    for ch in text:
        value = value * 64 + _B64.index(ch)
    return value


def body(name):
    with gzip.open(DICTD + name + ".dict.dz", "rb") as f:
        return f.read()


def _decoded(entry):
    """UTF-8, or Windows-1252 for the few entries stored in it (GCIDE)."""
    try:
        return entry.decode("utf-8")
    except UnicodeDecodeError:
        return entry.decode("cp1252")


def indexed_entries(name):
    """(head words of the index, text) of each entry the index points to,
    in the order of the body, the header entries left out. The index holds
    its head words in lower case."""
    data = body(name)
    spans = {}
    with open(DICTD + name + ".index", encoding="utf-8") as f:
        for line in f:
            head, offset, length = line.rstrip("\n").split("\t")
            if not head.replace("-", "").startswith("00database"):
                spans.setdefault((number(offset), number(length)), set()).add(head)
    for (start, length), heads in sorted(spans.items()):
        yield heads, _decoded(data[start:start + length])


def header_ranges(name):
    """Byte ranges of the database's header entries, from its index."""
    ranges = []
    with open(DICTD + name + ".index", encoding="utf-8") as f:
        for line in f:
            head, offset, length = line.rstrip("\n").split("\t")
            if head.replace("-", "").startswith("00database"):
                start = number(offset)
                ranges.append((start, start + number(length)))
    return ranges


def blocks(data):
    """Runs of lines that are not blank, with the byte offset of each run's
    first line: [(offset, [line, ...]), ...]."""
    result = []
    current = []
    start = offset = 0
    for raw in data.split(b"\n"):
        line = raw.decode("utf-8")
        if line.strip():
            if not current:
                start = offset
            current.append(line)
        elif current:
            result.append((start, current))
            current = []
        offset += len(raw) + 1
    if current:
        result.append((start, current))
    return result


def in_ranges(offset, ranges):
    return any(start <= offset < end for start, end in ranges)

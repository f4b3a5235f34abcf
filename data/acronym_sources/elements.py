"""Symbols of the chemical elements (Debian package dict-elements): an
entry names the element and gives "Symbol: H"."""
import re

from . import dictd
from .text import tagged

NAME = "Elements"
PACKAGE = "dict-elements"
VERSION = "20001107-a-9.1"

_SYMBOL = re.compile(r"^Symbol:\s*(\S+)\s*$", re.MULTILINE)


def pairs():
    for _, text in dictd.indexed_entries("elements"):
        name = text.split("\n", 1)[0].strip()
        symbol = _SYMBOL.search(text)
        if symbol and name:
            yield symbol.group(1), tagged(name[:1].upper() + name[1:], "chemical element")

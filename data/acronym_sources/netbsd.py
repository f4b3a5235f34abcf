"""NetBSD's acronym lists, the data of the wtf program (Debian package
bsdgames): one "KEY<TAB>MEANING" line each."""
from .text import clean

NAME = "NetBSD acronyms"
PACKAGE = "bsdgames"
VERSION = "2.17-29+b1"

LISTS = ["/usr/share/games/bsdgames/acronyms",
         "/usr/share/games/bsdgames/acronyms.comp"]


def pairs():
    for path in LISTS:
        with open(path, encoding="utf-8") as f:
            for number, line in enumerate(f, 1):
                if number == 1 and line.startswith("$NetBSD"):
                    continue
                key, sep, meaning = line.rstrip("\n").partition("\t")
                if not sep:
                    # One line of the list separates key and text by blanks.
                    key, _, meaning = line.strip().partition(" ")
                yield clean(key), clean(meaning)

"""The IAU's abbreviations of the 88 constellations, as shipped by Astropy
(Debian package python3-astropy, constellation_names.dat): "CVn Canes
Venatici"."""
from .text import tagged

NAME = "IAU constellations"
PACKAGE = "python3-astropy"
VERSION = "5.2.1-2+deb12u1"
SOURCE = "/usr/lib/python3/dist-packages/astropy/coordinates/data/constellation_names.dat"


def pairs():
    with open(SOURCE, encoding="utf-8") as f:
        for line in f:
            if line.strip() and not line.startswith("#"):
                abbreviation, name = line.strip().split(" ", 1)
                yield abbreviation, tagged(name, "constellation")

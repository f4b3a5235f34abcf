"""Readers of the public sources of data/acronyms.txt, one module each.

Every reader has NAME, PACKAGE and VERSION (the Debian 12 package it reads,
pinned) and pairs(), which yields (key, meaning) in the source's order."""
from . import (constellations, ding, elements, foldoc, gcide, jargon, netbsd,
               timezones, unicode_aliases, vera, wordnet)

# Curated acronym lists, taken as they are.
CURATED = [vera, netbsd]
# Further sources; a pair of theirs is kept only when the key is a genuine
# abbreviation of the meaning. Meanings of one key follow in this order.
ADDED = [ding, foldoc, wordnet, jargon, gcide, unicode_aliases, elements, timezones,
         constellations]

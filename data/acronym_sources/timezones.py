"""Abbreviations of time zones in English, from the Unicode Common Locale
Data Repository (Debian package unicode-cldr-core): the short names of the
English locales ("AEST" in en_AU) with the long name of the same zone and
kind ("Australian Eastern Standard Time"), looked up as CLDR inherits: the
locale itself, its parent, then "en".
"""
import glob
import os
import xml.etree.ElementTree as ET

from .text import tagged

NAME = "CLDR time zones"
PACKAGE = "unicode-cldr-core"
VERSION = "41-0.1"
CLDR = "/usr/share/unicode/cldr/common/"
KINDS = ("generic", "standard", "daylight")
# CLDR's mark for "no name here, and none inherited".
NO_INHERITANCE = "\u2205\u2205\u2205"


def _parents():
    parents = {}
    root = ET.parse(CLDR + "supplemental/supplementalData.xml").getroot()
    for element in root.iter("parentLocale"):
        for locale in element.get("locales").split():
            parents[locale] = element.get("parent")
    return parents


def _names(locale):
    """{(zone or metazone, kind): [short, long]} of one locale file; None
    where the file has no such name, "" where it cancels the inherited one."""
    names = {}
    root = ET.parse(CLDR + "main/%s.xml" % locale).getroot()
    for zone in list(root.iter("zone")) + list(root.iter("metazone")):
        for length in ("short", "long"):
            forms = zone.find(length)
            for kind in KINDS:
                element = forms.find(kind) if forms is not None else None
                if element is not None and element.text:
                    entry = names.setdefault((zone.get("type"), kind), [None, None])
                    entry[length == "long"] = "" if element.text == NO_INHERITANCE else element.text
    return names


def pairs():
    parents = _parents()
    locales = sorted(os.path.basename(p)[:-4] for p in glob.glob(CLDR + "main/en*.xml"))
    names = {locale: _names(locale) for locale in locales}
    for locale in locales:
        chain = [locale]
        while chain[-1] != "en":
            chain.append(parents.get(chain[-1], "en"))
        for (zone, kind), (short, _) in names[locale].items():
            long_form = next((names[l][zone, kind][1] for l in chain
                              if names[l].get((zone, kind), [None, None])[1] is not None), None)
            if short and long_form:
                yield short, tagged(long_form, "time zone")

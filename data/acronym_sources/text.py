"""Small text rules shared by the source readers and the merge."""
import re

_TRAILING_TAG = re.compile(r"\s*(\([^()]*\)|\[[^\[\]]*\])$")
_MARKER = re.compile(r"<\d+>")


def clean(text):
    """Collapse every run of white space to one blank and trim the ends."""
    return " ".join(text.split())


def core(meaning):
    """The meaning without its trailing bracketed tags, in lower case, a
    hyphen read as a blank.

    "Application Binary Interface (POE)" and "application binary
    interface" share the core "application binary interface"; "Dynamic
    Random Access Memory" and "dynamic random-access memory" share theirs."""
    text = meaning.strip()
    while True:
        match = _TRAILING_TAG.search(text)
        if not match or match.start() == 0:
            return clean(text.lower().replace("-", " "))
        text = text[:match.start()]


def has_tag(meaning):
    return core(meaning) != meaning.strip().lower()


def holds_marker(text):
    """A "<n>" inside a meaning would be read as a meaning marker."""
    return _MARKER.search(text) is not None


def tagged(text, *tags):
    """Append the non-empty tags as one bracketed tag, as V.E.R.A. does."""
    tags = [t for t in tags if t]
    return "%s (%s)" % (text, ", ".join(tags)) if tags else text

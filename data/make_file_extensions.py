#!/usr/bin/env python3
"""Regenerate data/file-extensions/ from freedesktop.org shared-mime-info.

Source: /usr/share/mime/packages/freedesktop.org.xml (Debian package
shared-mime-info, GPL-2.0-or-later, see data/licenses/GPL-2.0.txt). Every
simple glob "*.ext" of a media type becomes the line "ext=comment" with the
type's English comment. Each type goes to one of the categories by the rules
in classify(); "Malware File" and "Scam File" list, besides, the formats of a
public list of file types abused to deliver malware (risky_category()).
"( SHOW ALL )" holds the lines of all of them.

Output: one file per category, "<Category>.txt", in Windows-1252 with CR LF
line ends, lines sorted without regard to case, repeated lines dropped. The
build packs these files into FileExtension.db.

Usage: make_file_extensions.py [FREEDESKTOP_XML] [OUTPUT_DIR]
"""
import os
import re
import sys
import xml.etree.ElementTree as ET

SOURCE = "/usr/share/mime/packages/freedesktop.org.xml"
NS = "{http://www.freedesktop.org/standards/shared-mime-info}"
XML_LANG = "{http://www.w3.org/XML/1998/namespace}lang"
SHOW_ALL = "( SHOW ALL )"

CATEGORIES = [
    "Abbreviation File", "Application file", "Archive File", "Audio File",
    "Configuration File", "Data File", "Development File", "Disk Image File",
    "Document File", "EBook File", "Font File", "Game Data File", "GIS File",
    "Graphic File", "Malware File", "Multimedia File", "Other File",
    "Project File", "Scam File", "Unknown File", "Video File",
]

# Types placed by name, before the general rules below.
BY_TYPE = {
    # Lists of terms: translation catalogues, glossaries, bibliographies.
    "Abbreviation File": [
        "application/x-gettext-translation", "text/x-gettext-translation",
        "text/x-gettext-translation-template", "text/vnd.trolltech.linguist",
        "application/xliff+xml", "text/x-bibtex",
    ],
    # Programs, packages and installers.
    "Application file": [
        "application/x-ms-dos-executable", "application/x-msi",
        "application/vnd.android.package-archive", "application/vnd.symbian.install",
        "x-epoc/x-sisx-app", "application/vnd.debian.binary-package",
        "application/x-rpm", "application/x-java-archive", "application/x-java",
        "application/x-java-jnlp-file", "application/x-sharedlib",
        "application/x-shared-library-la", "application/x-object",
        "application/x-python-bytecode", "application/x-iso9660-appimage",
        "application/vnd.appimage", "application/vnd.flatpak", "application/vnd.snap",
        "application/x-xpinstall", "application/vnd.openofficeorg.extension",
        "application/vnd.ms-excel.addin.macroEnabled.12",
        "application/vnd.ms-powerpoint.addin.macroEnabled.12",
    ],
    # Settings of programs and of the system.
    "Configuration File": [
        "application/x-desktop", "text/x-iptables", "text/x-dbus-service",
        "text/x-systemd-unit", "application/x-kexi-connectiondata",
        "application/x-cisco-vpn-settings", "application/x-ica",
        "application/vnd.flatpak.repo", "application/vnd.flatpak.ref",
        "application/x-theme", "application/x-e-theme",
        "application/x-windows-themepack", "text/x-ms-regedit", "application/toml",
        "application/x-yaml", "application/vnd.iccprofile", "application/x-it87",
        "application/x-ccmx",
    ],
    "Disk Image File": [
        "application/x-cue", "application/x-cdrdao-toc", "application/x-gd-rom-cue",
        "application/x-mame-chd", "application/x-ms-wim",
        "application/x-amiga-disk-format", "application/vnd.squashfs", "application/ovf",
    ],
    "EBook File": [
        "application/epub+zip", "application/vnd.amazon.mobi8-ebook",
        "application/x-mobipocket-ebook", "application/x-fictionbook+xml",
        "application/x-zip-compressed-fb2", "application/vnd.comicbook-rar",
        "application/x-cb7", "application/x-cbt", "application/vnd.comicbook+zip",
        "application/x-aportisdoc", "application/x-openzim",
    ],
    "Font File": ["application/x-tex-gf", "application/x-tex-pk"],
    "Game Data File": [
        "application/x-doom-wad", "application/x-wii-wad", "application/x-go-sgf",
        "application/vnd.chess-pgn", "application/x-pak", "application/x-fds-disk",
        "application/x-bps-patch", "application/x-ips-patch",
        "application/x-thomson-cartridge-memo7", "application/x-thomson-cassette",
        "application/x-nintendo-3ds-executable", "application/x-godot-resource",
        "application/x-godot-scene",
    ],
    "GIS File": [
        "application/vnd.google-earth.kml+xml", "application/vnd.google-earth.kmz",
        "application/geo+json", "application/gpx+xml", "application/gml+xml",
    ],
    "Multimedia File": [
        "application/ogg", "video/3gpp", "video/3gpp2", "application/smil+xml",
        "application/vnd.adobe.flash.movie", "application/vnd.rn-realmedia",
        "application/annodex", "application/mxf", "application/vnd.ms-asf",
        "application/vnd.youtube.yt", "application/x-netshow-channel",
        "application/sdp", "application/vnd.emusic-emusic_package",
        "image/vnd.rn-realpix", "text/vnd.rn-realtext",
    ],
    # Projects and build descriptions of development and design tools.
    "Project File": [
        "application/x-jbuilder-project", "application/x-glade",
        "application/x-kexiproject-shortcut", "application/x-kexiproject-sqlite2",
        "application/x-kexiproject-sqlite3", "text/x-makefile", "text/x-cmake",
        "text/x-gradle", "text/x-rpm-spec", "application/x-blender",
        "application/x-kpovmodeler", "text/x-qml",
    ],
    # Files of no fixed format of their own.
    "Unknown File": [
        "application/x-trash", "application/x-partial-download", "text/x-reject",
    ],
    "Archive File": ["application/x-source-rpm"],
    "Data File": [
        "application/x-hdf", "application/fits", "application/x-dbf", "application/x-qw",
        "application/raml+yaml", "application/jrd+json", "text/turtle",
        "application/pgp-encrypted",
    ],
    "Development File": [
        "application/x-asp", "text/x-idl", "text/x-twig", "text/x-gherkin",
        "application/vnd.coffeescript",
    ],
    "Graphic File": ["application/x-krita", "application/illustrator", "application/x-tgif"],
}

# Risky formats: Google's list "File types blocked in Gmail"
# (https://support.google.com/mail/answer/6590, as published in 2026), types
# Gmail refuses because they are abused to deliver malware. An extension of
# that list enters only with the media type of the format the list means, so
# that "*.vhd" of VHDL source or "*.vb" of Virtual Boy ROMs stays out. Listed
# extensions without such a type here: ade adp appx appxbundle bat cmd com
# cpl diagcab diagcfg diagpkg dll ex ex_ hta ins isp jse lib lnk mde msc msix
# msixbundle msp mst nsh pif ps1 scr sct shb sys vb vbe vxd wsc wsf wsh.
GMAIL_BLOCKED = {
    "apk": "application/vnd.android.package-archive",
    "cab": "application/vnd.ms-cab-compressed",
    "chm": "application/vnd.ms-htmlhelp",
    "dmg": "application/x-apple-diskimage",
    "exe": "application/x-ms-dos-executable",
    "img": "application/x-raw-disk-image",
    "iso": "application/x-cd-image",
    "jar": "application/x-java-archive",
    "jnlp": "application/x-java-jnlp-file",
    "js": "application/javascript",
    "mjs": "application/javascript",
    "msi": "application/x-msi",
    "vbs": "text/vbscript",
    "vhd": "application/x-vhd-disk",
    "xll": "application/vnd.ms-excel",
}
# A risky format keeps its own category and is listed a second time: in
# "Scam File" when it is a container that hides a program behind a file that
# looks harmless (disk images, cabinets: the decoys of phishing mail), in
# "Malware File" when it runs code itself (programs, installers, scripts).
DECOY_CATEGORIES = {"Disk Image File", "Archive File"}


def risky_category(ext, type_name, category):
    """"Scam File", "Malware File" or None for one extension of a type."""
    if GMAIL_BLOCKED.get(ext.lower()) != type_name:
        return None
    return "Scam File" if category in DECOY_CATEGORIES else "Malware File"


# General rules: (category, media-type pattern, comment pattern), first match.
RULES = [
    ("Multimedia File", r"", r"playlist|subtitles"),
    ("Game Data File", r"-rom$|rom$", r""),
    ("Disk Image File", r"disk|cd-image|floppy", r""),
    ("Disk Image File", r"", r"disk image|disc image|\bCD image"),
    ("Font File", r"^font/|x-font|font-", r""),
    ("Audio File", r"^audio/", r""),
    ("Audio File", r"", r"\baudio\b|ringtone"),
    ("Video File", r"^video/", r""),
    ("Graphic File", r"^image/|^model/", r""),
    ("Graphic File", r"", r"drawing|diagram|flowchart|\bimage\b|\bshape\b|3D|"
                          r"\bgraph\b|Visio"),
    ("Archive File", r"", r"archive|compressed file"),
    ("Development File", r"", r"source code|\bscript\b|program|(C|C\+\+|SystemVerilog) header|"
                              r"stylesheet|"
                              r"pre-processor|interface document|shader|macro|patch|"
                              r"differences|schema|query|bytecode|code\b|DTD|Fluid|MOC|UIL|"
                              r"Kaitai|OCL|XMI|MOF|MATLAB|Modelica|cache file"),
    ("Data File", r"", r"spreadsheet|database|data|certificat|\bkeys?\b|keystore|signature|"
                       r"calendar|business card|address book|bookmarks|feed|"
                       r"summary|mailbox|capture|JSON|XML (document|file|entities)|"
                       r"RDF|TSV|CSV|PKCS|"
                       r"financial|family history|log\b|notebook|index"),
    ("Document File", r"", r"document|presentation|text|page|slide|template|"
                           r"book|manual|formula|chart|help|sheet|show|XSL FO|Org-mode|PCL"),
]

SIMPLE_GLOB = re.compile(r"^\*\.([^*?\[\]=\s]+)$")


def english_comment(mime_type):
    for comment in mime_type.findall(NS + "comment"):
        if comment.get(XML_LANG) is None:
            return " ".join(comment.text.split())
    return None


def classify(type_name, comment):
    for category, types in BY_TYPE.items():
        if type_name in types:
            return category
    if comment is None:
        return "Unknown File"
    for category, type_pattern, comment_pattern in RULES:
        if type_pattern and not re.search(type_pattern, type_name):
            continue
        if comment_pattern and not re.search(comment_pattern, comment, re.IGNORECASE):
            continue
        return category
    return "Other File"


def extensions(mime_type):
    found = []
    seen = set()
    for glob in mime_type.findall(NS + "glob"):
        match = SIMPLE_GLOB.match(glob.get("pattern", ""))
        if not match:
            continue
        ext = match.group(1)
        key = ext if glob.get("case-sensitive") == "true" else ext.lower()
        if key not in seen:
            seen.add(key)
            found.append(ext)
    return found


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    source = sys.argv[1] if len(sys.argv) > 1 else SOURCE
    out_dir = sys.argv[2] if len(sys.argv) > 2 else os.path.join(here, "file-extensions")
    known = {t for types in BY_TYPE.values() for t in types}
    lines = {category: set() for category in CATEGORIES}
    seen_types = set()
    listed = set()
    for mime_type in ET.parse(source).getroot().findall(NS + "mime-type"):
        type_name = mime_type.get("type")
        seen_types.add(type_name)
        exts = extensions(mime_type)
        if not exts:
            continue
        comment = english_comment(mime_type)
        category = classify(type_name, comment)
        description = comment or type_name
        for ext in exts:
            lines[category].add(f"{ext}={description}")
            risky = risky_category(ext, type_name, category)
            if risky:
                lines[risky].add(f"{ext}={description}")
                listed.add(ext.lower())
    unmatched = sorted(set(GMAIL_BLOCKED) - listed)
    if unmatched:
        sys.exit("GMAIL_BLOCKED names extensions its types do not have: " + " ".join(unmatched))
    stale = sorted(known - seen_types)
    if stale:
        sys.exit("types named in BY_TYPE but not in the source: " + " ".join(stale))
    empty = [c for c in CATEGORIES if not lines[c]]
    if empty:
        sys.exit("categories without extensions: " + ", ".join(empty))

    lines[SHOW_ALL] = set().union(*lines.values())
    os.makedirs(out_dir, exist_ok=True)
    for category, items in lines.items():
        ordered = sorted(items, key=lambda s: (s.lower(), s))
        data = "".join(line + "\r\n" for line in ordered).encode("cp1252")
        with open(os.path.join(out_dir, category + ".txt"), "wb") as out:
            out.write(data)
        print(f"{category}: {len(ordered)}")


if __name__ == "__main__":
    main()

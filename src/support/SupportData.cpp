#include "support/SupportData.h"

#include "base/TermoraConstants.h"

namespace termora::support {

QStringList contributorLines() {
    // The people and projects whose public data and libraries Termora ships.
    return {
        QStringLiteral("Oliver Heidelbach\thttp://home.snafu.de/ohei\t-\t-\t-\t"
                       "V.E.R.A., the list of computer acronyms behind most of the dictionary (GNU FDL)|"
                       "In Termora since 2026.12"),
        QStringLiteral("The NetBSD Project\thttps://www.netbsd.org/\t-\t-\t-\t"
                       "The acronym lists of the NetBSD games collection (BSD licence)|In Termora since 2026.12"),
        QStringLiteral("Frank Richter (Ding)\thttps://dict.tu-chemnitz.de/\t-\t-\t-\t"
                       "Ding, the German-English dictionary of TU Chemnitz, for its marked abbreviations (GPL-2.0+)|"
                       "In Termora since 2026.12"),
        QStringLiteral("Denis Howe (FOLDOC)\thttps://foldoc.org/\t-\t-\t-\t"
                       "FOLDOC, the Free On-line Dictionary of Computing, for its abbreviations (GNU FDL)|"
                       "In Termora since 2026.12"),
        QStringLiteral("Princeton University (WordNet)\thttps://wordnet.princeton.edu/\t-\t-\t-\t"
                       "WordNet 3.0, for the abbreviations among its synonyms (WordNet 3.0 licence)|"
                       "In Termora since 2026.12"),
        QStringLiteral("Eric S. Raymond (The Jargon File)\thttp://www.catb.org/jargon/\t-\t-\t-\t"
                       "The Jargon File, for the hackers' acronyms (public domain)|In Termora since 2026.12"),
        QStringLiteral("GNU Collaborative International Dictionary of English\thttps://www.gnu.org/software/gcide/\t-\t-\t-\t"
                       "GCIDE, for its abbreviation entries (GPL-2.0+)|In Termora since 2026.12"),
        QStringLiteral("Unicode Character Database\thttps://www.unicode.org/ucd/\t-\t-\t-\t"
                       "The abbreviations of Unicode character names (Unicode licence)|In Termora since 2026.12"),
        QStringLiteral("Unicode CLDR Project\thttps://cldr.unicode.org/\t-\t-\t-\t"
                       "The English time-zone abbreviations (Unicode licence)|In Termora since 2026.12"),
        QStringLiteral("Jay F. Kominek (The Elements)\thttp://www.miranda.org/~jkominek/elements/\t-\t-\t-\t"
                       "The Elements database, for the chemical symbols (public domain)|In Termora since 2026.12"),
        QStringLiteral("The Astropy Project\thttps://www.astropy.org/\t-\t-\t-\t"
                       "Astropy's list of the IAU constellation abbreviations (BSD-3-Clause)|In Termora since 2026.12"),
        QStringLiteral("freedesktop.org shared-mime-info\thttps://gitlab.freedesktop.org/xdg/shared-mime-info\t-\t-\t-\t"
                       "The shared MIME database, source of the file-extension catalogue (GPL-2.0+)|"
                       "In Termora since 2026.12"),
        QStringLiteral("Debian iso-codes team\thttps://salsa.debian.org/iso-codes-team/iso-codes\t-\t-\t-\t"
                       "The ISO 3166-1 country codes (LGPL-2.1+)|In Termora since 2026.12"),
        QStringLiteral("Michael Wuergler and Brandon Him\thttps://github.com/crypti/cryptocurrencies\t-\t-\t-\t"
                       "The cryptocurrencies list of symbols and names (MIT)|In Termora since 2026.12"),
        QStringLiteral("The Qt Project\thttps://www.qt.io/\t-\t-\t-\t"
                       "Qt, the toolkit of Termora's windows (LGPL-3.0)|In Termora since 2026.12"),
        QStringLiteral("Dieter Baron and Thomas Klausner\thttps://libzip.org/\t-\t-\t-\t"
                       "libzip, which reads the file-extension archive (BSD-3-Clause)|In Termora since 2026.12"),
    };
}

QStringList moreSoftwareLines() {
    // Free programs that suit people who look up words and write, with their
    // versions in Debian 12; the share link is the program's Debian page.
    QStringList lines = {
        QStringLiteral("GoldenDict\t1.5.0~rc2\tDictionary lookup program that reads StarDict, Babylon, DSL and other dictionary formats.\t5\thttp://goldendict.org\t1\thttps://packages.debian.org/bookworm/goldendict"),
        QStringLiteral("Artha\t1.0.5\tOffline English thesaurus built on WordNet, with lookup from any program by a hotkey.\t4\thttp://artha.sourceforge.net/\t2\thttps://packages.debian.org/bookworm/artha"),
        QStringLiteral("dictd\t1.13.0\tDictionary server for the DICT protocol that serves V.E.R.A., WordNet and other local dictionaries.\t4\thttps://sourceforge.net/projects/dict/\t3\thttps://packages.debian.org/bookworm/dictd"),
        QStringLiteral("Kiwix\t2.3.0\tOffline reader for Wikipedia and other web content stored in ZIM files.\t5\thttps://www.kiwix.org/\t4\thttps://packages.debian.org/bookworm/kiwix"),
        QStringLiteral("QStarDict\t1.3\tStarDict-compatible dictionary with a tray icon and lookup of the selected word.\t4\thttps://qstardict.ylsoftware.com\t5\thttps://packages.debian.org/bookworm/qstardict"),
        QStringLiteral("WordNet Browser\t3.0\tGraphical browser for WordNet, Princeton's lexical database of English.\t4\thttp://wordnet.princeton.edu/\t6\thttps://packages.debian.org/bookworm/wordnet-gui"),
        QStringLiteral("OmegaT\t3.6.0.10\tTranslation memory tool for professional translators.\t4\thttps://www.omegat.org\t7\thttps://packages.debian.org/bookworm/omegat"),
        QStringLiteral("Kiten\t22.12.3\tJapanese reference and study tool with an English-Japanese dictionary and a kanji dictionary.\t4\thttp://edu.kde.org/\t8\thttps://packages.debian.org/bookworm/kiten"),
        QStringLiteral("LibreOffice\t7.4.7\tOffice suite with a word processor, a spreadsheet, a presentation program and more.\t5\thttp://www.libreoffice.org\t9\thttps://packages.debian.org/bookworm/libreoffice"),
        QStringLiteral("calibre\t6.13.0\tE-book library manager that converts, edits and reads e-books.\t5\thttps://calibre-ebook.com\t10\thttps://packages.debian.org/bookworm/calibre"),
        QStringLiteral("Foliate\t2.6.4\tSimple and modern e-book reader for EPUB and other formats.\t4\thttps://github.com/johnfactotum/foliate\t11\thttps://packages.debian.org/bookworm/foliate"),
        QStringLiteral("Okular\t22.12.3\tUniversal document viewer for PDF, EPUB, DjVu and many other formats.\t5\thttps://apps.kde.org/en/okular\t12\thttps://packages.debian.org/bookworm/okular"),
        QStringLiteral("Zim\t0.75.1\tDesktop wiki for keeping notes, lists and drafts in linked text pages.\t4\thttps://zim-wiki.org\t13\thttps://packages.debian.org/bookworm/zim"),
        QStringLiteral("CherryTree\t0.99.48\tHierarchical note-taking program with rich text and syntax highlighting.\t4\thttps://www.giuspen.net/cherrytree/\t14\thttps://packages.debian.org/bookworm/cherrytree"),
        QStringLiteral("Gnote\t43.1\tSimple note-taking program for the desktop with links between notes.\t3\thttps://wiki.gnome.org/Apps/Gnote\t15\thttps://packages.debian.org/bookworm/gnote"),
        QStringLiteral("Geany\t1.38\tFast and lightweight text editor and development environment.\t4\thttp://www.geany.org\t16\thttps://packages.debian.org/bookworm/geany"),
        QStringLiteral("Meld\t3.22.0\tVisual diff and merge tool for files, folders and version-controlled projects.\t4\thttps://meldmerge.org\t17\thttps://packages.debian.org/bookworm/meld"),
        QStringLiteral("KeePassXC\t2.7.4\tPassword manager that keeps passwords in an encrypted database.\t5\thttps://www.keepassxc.org/\t18\thttps://packages.debian.org/bookworm/keepassxc"),
        QStringLiteral("GIMP\t2.10.34\tImage editor for photo retouching, composition and authoring.\t5\thttps://www.gimp.org/\t19\thttps://packages.debian.org/bookworm/gimp"),
        QStringLiteral("Inkscape\t1.2.2\tVector graphics editor that works in the SVG format.\t5\thttps://inkscape.org\t20\thttps://packages.debian.org/bookworm/inkscape"),
        QStringLiteral("Xournal++\t1.1.3\tHandwriting note-taking program that also annotates PDF files.\t4\thttps://github.com/xournalpp/xournalpp/\t21\thttps://packages.debian.org/bookworm/xournalpp"),
        QStringLiteral("Klavaro\t3.11\tTouch typing tutor with lessons for many keyboard layouts.\t3\thttp://klavaro.sourceforge.net/\t22\thttps://packages.debian.org/bookworm/klavaro"),
    };
    // Termora's own row; the page removes it so the program does not
    // advertise itself.
    lines.insert(0, QStringLiteral("%1\t%2\tAcronym and abbreviation dictionary with offline and online search.\t5\t%3\t0\t")
                        .arg(QLatin1String(constants::kProgramName), QLatin1String(constants::kVersion),
                             QLatin1String(constants::kDownloadLink)));
    return lines;
}

}  // namespace termora::support

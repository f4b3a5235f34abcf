"""The readers' rules on small pieces of their sources' formats."""
import unittest

from acronym_sources import ding, foldoc, vera
from acronym_sources.abbreviation import uses_every_initial


class VeraEntries(unittest.TestCase):
    def test_blocks(self):
        cases = [
            (["BZT", "       Bundesamt fuer Zulassungen (org.,", "DTAG)"],
             [("BZT", "Bundesamt fuer Zulassungen (org., DTAG)")]),
            # A one-line entry after another entry's meaning starts an entry.
            (["BP", "       Base Pointer [register]",
              "       BP;DR        Behind Paywall; Didn't Read (slang)"],
             [("BP", "Base Pointer [register]"), ("BP;DR", "Behind Paywall; Didn't Read (slang)")]),
            (["       C&C          Command & Control [server]"], [("C&C", "Command & Control [server]")]),
            # Header texts: no indented meaning below a head line.
            (["00-database-dictfmt-1.13.0", "http://home.snafu.de/ohei"], None),
            (["0123456789abcdefghijklmnopqrstuvwxyz"], None),
        ]
        for lines, entries in cases:
            with self.subTest(lines=lines):
                self.assertEqual(vera._entries_of_block(lines), entries)

    def test_a_meaning_holding_another_entry_fails(self):
        entries = [("BZUE", "Beleglose ZahlscheinUEberweisung (banking) C&C Command & Control [server]"),
                   ("C&C", "Command & Control [server]")]
        with self.assertRaises(vera.FormatError):
            vera.check_no_glued_entries(entries)
        vera.check_no_glued_entries([("C2IS", "Command and Control Information Systems"),
                                     ("C", "Command")])


class DingLines(unittest.TestCase):
    def test_pairs(self):
        cases = [
            ("Abgasuntersuchung {f} /AU/ [auto] | Abgasuntersuchungen {pl} :: exhaust gas test; emission test | exhaust gas tests",
             [("AU", "Abgasuntersuchung (German: exhaust gas test)")]),
            # Both sides marked alike: the English long form only.
            ("spezifische Absorptionsrate {f} /SAR/ [phys.] :: specific absorption rate /SAR/",
             [("SAR", "specific absorption rate")]),
            ("Nummer {f} /Nr./ :: number /no.; No./",
             [("Nr.", "Nummer (German: number)")]),
            ("Thulium {n} /Tm/ [chem.] :: thulium", [("Tm", "Thulium (German)")]),
            # Semicolons inside brackets do not part terms.
            ("Cerium {n}; Cer {n} (Zerium; Zer) {n} /Ce/ [chem.] :: cerium", [("Ce", "Cer (German: cerium)")]),
            ("Aktiengesellschaft {f} :: public limited company /plc, PLC/",
             [("plc", "public limited company"), ("PLC", "public limited company")]),
            ("Aal {m} [cook.] :: eel", []),
        ]
        for line, pairs in cases:
            with self.subTest(line=line):
                self.assertEqual(list(ding.pairs_of_line(line)), pairs)


class FoldocEntries(unittest.TestCase):
    def test_long_forms_in_a_text(self):
        cases = [
            ("a device dependent bitmap (DDB) is", [("DDB", "device dependent bitmap")]),
            ("approved by the {Internet Architecture Board} (IAB).", [("IAB", "Internet Architecture Board")]),
            ("a compiler (written in C) for", []),
            ("the chaos in this (ITS) world", []),
        ]
        for text, pairs in cases:
            with self.subTest(text=text):
                self.assertEqual(list(foldoc._pairs_in_text(text)), pairs)

    def test_entries(self):
        cases = [
            (["Internet Engineering Task Force", "IETF"],
             "   <networking, standard> (IETF) The IETF is a large community.",
             [("IETF", "Internet Engineering Task Force (networking)")]),
            (["ATM"], "   1. <communications> {Asynchronous Transfer Mode}.\n\n"
                      "   2. Automatic Teller Machine - a cash dispenser.",
             [("ATM", "Asynchronous Transfer Mode (communications)"), ("ATM", "Automatic Teller Machine")]),
            (["ITP"], "   <Debian> (ITP) A notice of the Intent To Package (ITP).", []),
        ]
        for heads, body, pairs in cases:
            with self.subTest(heads=heads):
                self.assertEqual(sorted(set(foldoc.pairs_of_entry(heads, body))), sorted(pairs))


class EveryInitial(unittest.TestCase):
    def test_cases(self):
        cases = [("SOH", "START OF HEADING", True), ("SS2", "SINGLE-SHIFT-2", True),
                 ("HTS", "CHARACTER TABULATION SET", False), ("PLD", "PARTIAL LINE FORWARD", False)]
        for key, name, expected in cases:
            with self.subTest(key=key, name=name):
                self.assertEqual(uses_every_initial(key, name), expected)


if __name__ == "__main__":
    unittest.main()

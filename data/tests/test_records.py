"""Merging meanings and writing record lines."""
import unittest

from acronym_sources.records import Dictionary, key_is_valid, meaning_is_valid, record_line, \
    with_case_suffixes
from acronym_sources.text import core


class Merge(unittest.TestCase):
    def meanings(self, additions):
        dictionary = Dictionary()
        for key, meaning in additions:
            dictionary.add(key, meaning, "test")
        return {k: [m for m, _ in v] for k, v in with_case_suffixes(dictionary).meanings.items()}

    def test_cases(self):
        cases = [
            # Near repeats: the tagged, more informative one stays, in the first one's place.
            ([("ABI", "Application Binary Interface (POE)"), ("ABI", "application binary interface")],
             {"ABI": ["Application Binary Interface (POE)"]}),
            ([("AES", "Advanced Encryption Standard"), ("AES", "Automatic Emulation Switching"),
              ("AES", "Advanced Encryption Standard (cryptography)")],
             {"AES": ["Advanced Encryption Standard (cryptography)", "Automatic Emulation Switching"]}),
            ([("AFK", "Away from Keyboard (slang)"), ("AFK", "away from keyboard (IRC)")],
             {"AFK": ["Away from Keyboard (slang)"]}),
            ([("DRAM", "Dynamic Random Access Memory (RAM, IC)"), ("DRAM", "dynamic random-access memory")],
             {"DRAM": ["Dynamic Random Access Memory (RAM, IC)"]}),
            # A spelling that differs only in case adds no repeated meaning.
            ([("ASAP", "As Soon As Possible (slang)"), ("asap", "as soon as possible"), ("asap", "a sap")],
             {"ASAP [1]": ["As Soon As Possible (slang)"], "asap [2]": ["a sap"]}),
            ([("ASAP", "As Soon As Possible"), ("asap", "as soon as possible")],
             {"ASAP": ["As Soon As Possible"]}),
            # A bracket in front is part of the text.
            ([("ACL", "[MS] Access Compatibility Layer"), ("ACL", "Access Compatibility Layer")],
             {"ACL": ["[MS] Access Compatibility Layer", "Access Compatibility Layer"]}),
            # Keys equal ignoring case: suffixes, a fourth spelling joins the third.
            ([("meth", "a"), ("Meth", "b"), ("METH", "c"), ("MeTH", "d"), ("MeTH", "c")],
             {"meth [1]": ["a"], "Meth [2]": ["b"], "METH [3]": ["c", "d"]}),
        ]
        for additions, expected in cases:
            with self.subTest(additions=additions):
                self.assertEqual(self.meanings(additions), expected)

    def test_core(self):
        self.assertEqual(core("Asymmetric Digital Subscriber Line [technology] (BELLCORE, DSL)"),
                         "asymmetric digital subscriber line")


class Rules(unittest.TestCase):
    def test_keys(self):
        cases = [("TL;DR", True), ("C&C", True), ("A" * 19, True), ("A" * 20, False),
                 ("A.B.C.D.E.F.G.H.I.J.K.L.M.N.O.P.Q.R.S.T", False), ("...", False), ("", False),
                 ("X\tY", False), ("X\x7fY", False), ("K\u20ac", True), ("K\u0394", False),
                 (" AB", False), ("A';L:'B", False), ("AB [2]", False), ("s.15[3]", True)]
        for key, valid in cases:
            with self.subTest(key=key):
                self.assertEqual(key_is_valid(key), valid)

    def test_meanings(self):
        cases = [("Don't Ask", True), ("Bell\x07", False), ("Escape\x1b", False), ("see <2> below", False),
                 ("a < b > c", True), ("", False), ("\u0394 delta", False)]
        for meaning, valid in cases:
            with self.subTest(meaning=meaning):
                self.assertEqual(meaning_is_valid(meaning), valid)

    def test_record_line(self):
        self.assertEqual(record_line("DAMHIK", ["Don't Ask Me How I Know"]),
                         b"(S:'DAMHIK';L:'Don\x02t Ask Me How I Know'),\r\n")
        self.assertEqual(record_line("K\u00e4", ["one", "zw\u00f6lf"]),
                         b"(S:'K\xe4';L:'<1> one <2> zw\xf6lf'),\r\n")


if __name__ == "__main__":
    unittest.main()

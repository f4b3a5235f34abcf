import unittest

from acronym_sources.abbreviation import is_abbreviation


class IsAbbreviation(unittest.TestCase):
    CASES = [
        # key, expansion, genuine
        ("IETF", "Internet Engineering Task Force", True),
        ("XML", "Extensible Markup Language", True),  # first letter inside the first word
        ("BOFH", "Bastard Operator From Hell", True),
        ("TOR", "The Onion Router", True),  # a function word may give the first letter
        ("AGB", "Allgemeine Geschäftsbedingungen", True),
        ("Abk.", "Abkürzung", True),  # "ü" answers "u"
        ("AU", "Abgasuntersuchung", True),  # a compound word, its parts inside
        ("10GE", "10 Gigabit Ethernet", True),
        ("A.S.A.P.", "as soon as possible", True),
        ("ATM", "Asynchronous Transfer Mode", True),
        ("XML", "Markup Language for Extensions", False),  # first letter not in the first word
        ("ATM", "Transfer Mode", False),
        ("MTA", "Asynchronous Transfer Mode", False),  # letters out of order
        ("3DES", "Triple DES", False),  # the digit is not in the expansion
        ("WHO", "World Health", False),  # a letter missing
        ("ASP", "Application Service Provider Consortium Group Network", False),  # half the initials
        ("Fe", "Iron", False),
        ("Ara", "Ara", False),  # the expansion only spells the key again
        ("SAS", "SAS System", False),  # the key with a word added
        ("ADPS", "ADP system", True),
        ("", "Anything", False),
        ("ABC", "", False),
    ]

    def test_cases(self):
        for key, expansion, genuine in self.CASES:
            with self.subTest(key=key, expansion=expansion):
                self.assertEqual(is_abbreviation(key, expansion), genuine)


if __name__ == "__main__":
    unittest.main()

import unittest

from make_file_extensions import risky_category


class RiskyCategory(unittest.TestCase):
    def test_cases(self):
        cases = [
            ("exe", "application/x-ms-dos-executable", "Application file", "Malware File"),
            ("VBS", "text/vbscript", "Development File", "Malware File"),
            ("iso", "application/x-cd-image", "Disk Image File", "Scam File"),
            ("cab", "application/vnd.ms-cab-compressed", "Archive File", "Scam File"),
            # The listed extension of another format stays out.
            ("vhd", "text/x-vhdl", "Development File", None),
            ("iso", "application/x-wii-rom", "Game Data File", None),
            # Ordinary formats that no such list names.
            ("eml", "message/rfc822", "Other File", None),
            ("url", "application/x-mswinurl", "Other File", None),
            ("ani", "application/x-navi-animation", "Other File", None),
        ]
        for ext, type_name, category, expected in cases:
            with self.subTest(ext=ext, type=type_name):
                self.assertEqual(risky_category(ext, type_name, category), expected)


if __name__ == "__main__":
    unittest.main()

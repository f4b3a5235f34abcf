#!/usr/bin/env python3
"""Regenerate data/reference/cryptocurrencies.txt.

Source: the npm package "cryptocurrencies" 1.0.0 (MIT licence, see
data/licenses/cryptocurrencies-MIT.txt), a JSON object from ticker code to
name. Install it outside the repository, for example
    mkdir /tmp/cc && cd /tmp/cc && npm pack cryptocurrencies@1.0.0 && tar xzf *.tgz
and pass /tmp/cc/package/cryptocurrencies.json.

The program's list has exactly TOTAL rows and always holds the rows in
REQUIRED (names and codes as the program shows them; they replace the
package's entry for the same code or name). The other rows are picked evenly
across the alphabet from the package's entries whose code has at most six
letters or digits and whose name has at most 24 characters, starts with a
letter or digit, fits Windows-1252 and is not taken yet. Rows that would sort
before the first three or after the last three named rows are left out, so
that the list begins and ends as the program's does.

A name that repeats its code in parentheses ("EnterCoin (ENTER)") is
taken without the repeat.

Order: the text "NAME=CODE" compared without regard to case, as the list was
compiled; this puts a name followed by a blank or a sign before the same name
alone ("Ethereum Classic" before "Ethereum").

Output: one line per row, UTF-8, "NAME<TAB>CODE".

Usage: make_cryptocurrencies.py PACKAGE_JSON [OUTPUT]
"""
import json
import os
import re
import sys

TOTAL = 732

FIRST = [("007Coin", "007"), ("020LondonCoin", "020"), ("1337", "1337")]
LAST = [("ZombieCoin", "ZMC"), ("Zoom", "ZOOM"), ("Zurcoin", "ZUR")]
REQUIRED = FIRST + LAST + [
    ("AlpaCoin", "APC"), ("Applecoin", "APC"),
    ("UNCoin", "UNC"), ("UnionCoin", "UNC"),
    ("Xaucoin", "XAU"), ("Xaurum", "XAU"),
    ("HempCoin", "HMP"), ("HempCoin", "THC"),
    ("Moneta", "MNTA"), ("Moneta", "MONETA"),
    ("Spots", "SPOTS"), ("Spots", "SPT"),
    ("2BACCO Coin", "2BACCO"), ("bitUSD", "BITUSD"), ("Bitcoin 21", "XBTC21"),
    ("Bitcoin", "BTC"), ("Bitcoin Scrypt", "BTCS"), ("Litecoin", "LTC"),
    ("Dogecoin", "DOGE"), ("Ethereum", "ETH"), ("Ethereum Classic", "ETC"),
    ("Dash", "DASH"), ("Monero", "XMR"), ("Ripple", "XRP"),
    ("Peercoin", "PPC"), ("Namecoin", "NMC"),
]

CODE = re.compile(r"^[A-Z0-9]{1,6}$")


def fold(text):
    return "".join(chr(ord(c) + 32) if "A" <= c <= "Z" else c for c in text)


def order_key(row):
    name, code = row
    return fold(name + "=" + code).encode("cp1252")


def without_code(name, code):
    """"EnterCoin (ENTER)" -> "EnterCoin": the code column shows the code."""
    return re.sub(r"\s*\(" + re.escape(code) + r"\)$", "", name)


def usable(name, code):
    if not CODE.match(code) or not 0 < len(name) <= 24 or not name[0].isalnum():
        return False
    try:
        name.encode("cp1252")
    except UnicodeEncodeError:
        return False
    return True


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    here = os.path.dirname(os.path.abspath(__file__))
    out_path = sys.argv[2] if len(sys.argv) > 2 else os.path.join(here, "cryptocurrencies.txt")
    with open(sys.argv[1], encoding="utf-8") as f:
        package = json.load(f)

    taken_codes = {code for _, code in REQUIRED}
    taken_names = {fold(name) for name, _ in REQUIRED}
    low, high = order_key(FIRST[-1]), order_key(LAST[0])
    candidates = []
    for code, name in package.items():
        name = without_code(" ".join(name.split()), code)
        if not usable(name, code) or code in taken_codes or fold(name) in taken_names:
            continue
        if not low < order_key((name, code)) < high:
            continue
        taken_names.add(fold(name))
        candidates.append((name, code))
    candidates.sort(key=order_key)

    wanted = TOTAL - len(REQUIRED)
    if len(candidates) < wanted:
        sys.exit(f"only {len(candidates)} usable rows, {wanted} needed")
    picked = [candidates[i * len(candidates) // wanted] for i in range(wanted)]
    rows = sorted(REQUIRED + picked, key=order_key)

    with open(out_path, "w", encoding="utf-8", newline="\n") as out:
        for name, code in rows:
            out.write(f"{name}\t{code}\n")
    print(f"{out_path}: {len(rows)} rows from {len(candidates)} usable entries")


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Regenerate data/reference/countries.txt.

The program lists 249 countries and territories under the names and in the
order below, each with its ISO 3166-1 alpha-2 code. The alpha-3 codes are
taken from ISO 3166-1 as shipped by the iso-codes package
(/usr/share/iso-codes/json/iso_3166-1.json, LGPL-2.1+). The internet domain
is a dot and the alpha-2 code in lower case, except for the entries listed in
NO_DOMAIN, which the program shows without one.

Output: one line per entry, UTF-8, fields separated by a tab:
NAME, ALPHA-2, ALPHA-3, DOMAIN (the domain may be empty).

Usage: make_countries.py [ISO_JSON] [OUTPUT]
"""
import json
import os
import sys

ISO_JSON = "/usr/share/iso-codes/json/iso_3166-1.json"

COUNTRIES = """
Afghanistan AF; Aland Islands AX; Albania AL; Algeria DZ; American Samoa AS;
Andorra AD; Angola AO; Anguilla AI; Antarctica AQ; Antigua and Barbuda AG;
Argentina AR; Armenia AM; Aruba AW; Australia AU; Austria AT; Azerbaijan AZ;
Bahamas BS; Bahrain BH; Bangladesh BD; Barbados BB; Belarus BY; Belgium BE;
Belize BZ; Benin BJ; Bermuda BM; Bhutan BT; Bolivia, Plurinational State of BO;
Bonaire, Sint Eustatius and Saba BQ; Bosnia and Herzegovina BA; Botswana BW;
Bouvet Island BV; Brazil BR; British Indian Ocean Territory IO;
Brunei Darussalam BN; Bulgaria BG; Burkina Faso BF; Burundi BI; Cambodia KH;
Cameroon CM; Canada CA; Cape Verde CV; Cayman Islands KY;
Central African Republic CF; Chad TD; Chile CL; China CN; Christmas Island CX;
Cocos (Keeling) Islands CC; Colombia CO; Comoros KM; Congo CG;
Congo, the Democratic Republic of the CD; Cook Islands CK; Costa Rica CR;
Côte d'Ivoire CI; Croatia/Hrvatska HR; Cuba CU; Curaçao CW; Cyprus CY;
Czech Republic CZ; Denmark DK; Djibouti DJ; Dominica DM; Dominican Republic DO;
Ecuador EC; Egypt EG; El Salvador SV; Equatorial Guinea GQ; Eritrea ER;
Estonia EE; Ethiopia ET; Falkland Islands (Malvinas) FK; Faroe Islands FO;
Fiji FJ; Finland FI; France FR; French Guiana GF; French Polynesia PF;
French Southern Territories TF; Gabon GA; Gambia GM; Georgia GE; Germany DE;
Ghana GH; Gibraltar GI; Greece GR; Greenland GL; Grenada GD; Guadeloupe GP;
Guam GU; Guatemala GT; Guernsey GG; Guinea GN; Guinea-Bissau GW; Guyana GY;
Haiti HT; Heard Island and McDonald Islands HM;
Holy See (Vatican City State) VA; Honduras HN; Hong Kong HK; Hungary HU;
Iceland IS; India IN; Indonesia ID; Iran, Islamic Republic of IR; Iraq IQ;
Ireland IE; Isle of Man IM; Israel IL; Italy IT; Jamaica JM; Japan JP;
Jersey JE; Jordan JO; Kazakhstan KZ; Kenya KE; Kiribati KI;
Korea, Democratic People's Republic of KP; Korea, Republic of KR; Kuwait KW;
Kyrgyzstan KG; Lao People's Democratic Republic LA; Latvia LV; Lebanon LB;
Lesotho LS; Liberia LR; Libyan Arab Jamahiriya LY; Liechtenstein LI;
Lithuania LT; Luxembourg LU; Macao MO;
Macedonia, the former Yugoslav Republic of MK; Madagascar MG; Malawi MW;
Malaysia MY; Maldives MV; Mali ML; Malta MT; Marshall Islands MH;
Martinique MQ; Mauritania MR; Mauritius MU; Mayotte YT; Mexico MX;
Micronesia, Federated States of FM; Moldova, Republic of MD; Monaco MC;
Mongolia MN; Montenegro ME; Montserrat MS; Morocco MA; Mozambique MZ;
Myanmar MM; Namibia NA; Nauru NR; Nepal NP; Netherlands NL; New Caledonia NC;
New Zealand NZ; Nicaragua NI; Niger NE; Nigeria NG; Niue NU; Norfolk Island NF;
Northern Mariana Islands MP; Norway NO; Oman OM; Pakistan PK; Palau PW;
Palestinian Territory, Occupied PS; Panama PA; Papua New Guinea PG;
Paraguay PY; Peru PE; Philippines PH; Pitcairn PN; Poland PL; Portugal PT;
Puerto Rico PR; Qatar QA; Réunion RE; Romania RO; Russian Federation RU;
Rwanda RW; Saint Barthélemy BL; Saint Helena, Ascension and Tristan da Cunha SH;
Saint Kitts and Nevis KN; Saint Lucia LC; Saint Martin (French part) MF;
Saint Pierre and Miquelon PM; Saint Vincent and the Grenadines VC; Samoa WS;
San Marino SM; Sao Tome and Principe ST; Saudi Arabia SA; Senegal SN;
Serbia RS; Seychelles SC; Sierra Leone SL; Singapore SG;
Sint Maarten (Dutch part) SX; Slovakia SK; Slovenia SI; Solomon Islands SB;
Somalia SO; South Africa ZA; South Georgia and the South Sandwich Islands GS;
South Sudan SS; Spain ES; Sri Lanka LK; Sudan SD; Suriname SR;
Svalbard and Jan Mayen SJ; Swaziland SZ; Sweden SE; Switzerland CH;
Syrian Arab Republic SY; Taiwan, Province of China TW; Tajikistan TJ;
Tanzania, United Republic of TZ; Thailand TH; Timor-Leste TL; Togo TG;
Tokelau TK; Tonga TO; Trinidad and Tobago TT; Tunisia TN; Turkey TR;
Turkmenistan TM; Turks and Caicos Islands TC; Tuvalu TV; Uganda UG; Ukraine UA;
United Arab Emirates AE; United Kingdom GB; United States US;
United States Minor Outlying Islands UM; Uruguay UY; Uzbekistan UZ;
Vanuatu VU; Venezuela, Bolivarian Republic of VE; Viet Nam VN;
Virgin Islands, British VG; Virgin Islands, U.S. VI; Wallis and Futuna WF;
Western Sahara EH; Yemen YE; Zambia ZM; Zimbabwe ZW
"""

# Shown without a domain.
NO_DOMAIN = {"AX", "DZ", "AS", "BQ", "CW", "JO", "LY", "ME", "BL", "MF", "RS",
             "SX", "SS", "TL"}


def entries():
    for item in " ".join(COUNTRIES.split()).split(";"):
        name, alpha2 = item.strip().rsplit(" ", 1)
        yield name, alpha2


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    iso_path = sys.argv[1] if len(sys.argv) > 1 else ISO_JSON
    out_path = sys.argv[2] if len(sys.argv) > 2 else os.path.join(here, "countries.txt")
    with open(iso_path, encoding="utf-8") as f:
        alpha3 = {c["alpha_2"]: c["alpha_3"] for c in json.load(f)["3166-1"]}

    rows = list(entries())
    codes = [a2 for _, a2 in rows]
    if len(set(codes)) != len(codes):
        sys.exit("an alpha-2 code occurs twice")
    missing = [a2 for a2 in codes if a2 not in alpha3]
    if missing:
        sys.exit("not in ISO 3166-1: " + " ".join(missing))
    unlisted = sorted(set(alpha3) - set(codes))
    if unlisted:
        print("note: ISO 3166-1 codes not listed: " + " ".join(unlisted), file=sys.stderr)

    with open(out_path, "w", encoding="utf-8", newline="\n") as out:
        for name, a2 in rows:
            domain = "" if a2 in NO_DOMAIN else "." + a2.lower()
            out.write(f"{name}\t{a2}\t{alpha3[a2]}\t{domain}\n")
    print(f"{out_path}: {len(rows)} entries")


if __name__ == "__main__":
    main()

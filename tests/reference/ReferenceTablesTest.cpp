// The constant tables of the reference pages: sizes, order, the rows the
// pages are known by, and the rules every row follows.

#include <gtest/gtest.h>

#include "reference/EmoticonList.h"
#include "reference/ReferenceTables.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>

namespace {

using namespace termora::reference;

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& ch : out) ch = (ch >= 'A' && ch <= 'Z') ? char(ch + 32) : ch;
    return out;
}

std::size_t characters(std::string_view utf8) {
    return std::size_t(std::count_if(utf8.begin(), utf8.end(), [](char ch) { return (ch & 0xC0) != 0x80; }));
}

TEST(CountryTable, HoldsEveryEntryOnceFromAfghanistanToZimbabwe) {
    const auto table = CountryTable();
    ASSERT_EQ(table.size(), 249u);
    EXPECT_EQ(table.front().Name, "Afghanistan");
    EXPECT_EQ(table.back().Name, "Zimbabwe");
    std::set<std::string_view> alpha2;
    std::set<std::string_view> alpha3;
    for (const auto& row : table) {
        EXPECT_TRUE(alpha2.insert(row.Alpha2).second) << row.Alpha2;
        EXPECT_TRUE(alpha3.insert(row.Alpha3).second) << row.Alpha3;
    }
}

TEST(CountryTable, NamedRowsCarryTheirCodesAndDomains) {
    const struct {
        std::string_view name, alpha2, alpha3, domain;
    } cases[] = {
        {"United Kingdom", "GB", "GBR", ".gb"},
        {"Afghanistan", "AF", "AFG", ".af"},
        {"C\xc3\xb4te d'Ivoire", "CI", "CIV", ".ci"},
        {"Cura\xc3\xa7\x61o", "CW", "CUW", ""},
        {"R\xc3\xa9union", "RE", "REU", ".re"},
        {"Saint Barth\xc3\xa9lemy", "BL", "BLM", ""},
        {"Cocos (Keeling) Islands", "CC", "CCK", ".cc"},
        {"Holy See (Vatican City State)", "VA", "VAT", ".va"},
    };
    std::map<std::string_view, const TCountryRec*> byName;
    for (const auto& row : CountryTable()) byName[row.Name] = &row;
    for (const auto& c : cases) {
        const auto found = byName.find(c.name);
        ASSERT_NE(found, byName.end()) << c.name;
        EXPECT_EQ(found->second->Alpha2, c.alpha2) << c.name;
        EXPECT_EQ(found->second->Alpha3, c.alpha3) << c.name;
        EXPECT_EQ(found->second->TLD, c.domain) << c.name;
    }
}

TEST(CountryTable, DomainIsTheLowerAlpha2CodeExceptInFourteenRows) {
    const std::set<std::string_view> withoutDomain = {
        "Aland Islands", "Algeria", "American Samoa", "Bonaire, Sint Eustatius and Saba",
        "Cura\xc3\xa7\x61o", "Jordan", "Libyan Arab Jamahiriya", "Montenegro", "Saint Barth\xc3\xa9lemy",
        "Saint Martin (French part)", "Serbia", "Sint Maarten (Dutch part)", "South Sudan", "Timor-Leste"};
    int empty = 0;
    for (const auto& row : CountryTable()) {
        if (withoutDomain.count(row.Name)) {
            EXPECT_EQ(row.TLD, "") << row.Name;
            ++empty;
        } else {
            EXPECT_EQ(row.TLD, "." + lower(row.Alpha2)) << row.Name;
        }
    }
    EXPECT_EQ(empty, 14);
}

TEST(CurrencyTable, OrderedByCodeFromAedToZwd) {
    const auto table = CurrencyTable();
    ASSERT_EQ(table.size(), 164u);
    EXPECT_EQ(table.front().Code, "AED");
    EXPECT_EQ(table.back().Code, "ZWD");
    for (std::size_t i = 1; i < table.size(); ++i) EXPECT_LT(table[i - 1].Code, table[i].Code) << table[i].Code;
    for (const auto& row : table) {
        EXPECT_EQ(row.Code.size(), 3u);
        EXPECT_LE(characters(row.Name), 60u) << row.Code;
    }
}

TEST(CurrencyTable, NamesFollowThePatternAndItsExceptions) {
    const std::map<std::string_view, std::string_view> cases = {
        {"AED", "United Arab Emirates Dirham"},
        {"AFN", "Afghanistan Afghani"},
        {"ALL", "Albania Lek"},
        {"BOB", "Bolivia Boliviano"},
        {"CDF", "Congo/Kinshasa Franc"},
        {"XCD", "East Caribbean Dollar"},
        {"KPW", "Korea (North) Won"},
        {"KRW", "Korea (South) Won"},
        {"MVR", "Maldives (Maldive Islands) Rufiyaa"},
        {"RON", "Romania New Leu"},
        {"STD", "S\xc3\xa3o Principe and Tome Dobra"},
        {"SPL", "Seborga Luigino"},
        {"USD", "United States Dollar"},
        {"ZWD", "Zimbabwe Dollar"},
        {"EUR", "Euro Member Countries"},
        {"XDR", "International Monetary Fund (IMF) Special Drawing Rights"},
        {"XAF", "Communaut\xc3\xa9 Financi\xc3\xa8re Africaine (BEAC) CFA Franc BEAC"},
        {"XOF", "Communaut\xc3\xa9 Financi\xc3\xa8re Africaine (BCEAO) Franc"},
        {"XPF", "Comptoirs Fran\xc3\xa7\x61is du Pacifique (CFP) Franc"},
    };
    std::map<std::string_view, std::string_view> names;
    for (const auto& row : CurrencyTable()) names[row.Code] = row.Name;
    for (const auto& [code, name] : cases) EXPECT_EQ(names[code], name) << code;
    for (const auto code : {"BYR", "LTL", "LVL", "MRO", "STD", "VEF", "ZMK", "ZWD", "GGP", "IMP", "JEP", "SPL", "TVD"})
        EXPECT_TRUE(names.count(code)) << code;
}

// "NAME=CODE" without regard to case, as the list was compiled.
std::string cryptoOrderKey(const TCryptoRec& row) { return lower(std::string(row.Name) + "=" + std::string(row.Code)); }

TEST(CryptoTable, OrderedByNameWithDigitsFirstFrom007CoinToZurcoin) {
    const auto table = CryptoTable();
    ASSERT_EQ(table.size(), 732u);
    const std::pair<std::string_view, std::string_view> first[] = {
        {"007Coin", "007"}, {"020LondonCoin", "020"}, {"1337", "1337"}};
    const std::pair<std::string_view, std::string_view> last[] = {
        {"ZombieCoin", "ZMC"}, {"Zoom", "ZOOM"}, {"Zurcoin", "ZUR"}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(table[i].Name, first[i].first);
        EXPECT_EQ(table[i].Code, first[i].second);
        EXPECT_EQ(table[table.size() - 3 + i].Name, last[i].first);
        EXPECT_EQ(table[table.size() - 3 + i].Code, last[i].second);
    }
    for (std::size_t i = 1; i < table.size(); ++i)
        EXPECT_LE(cryptoOrderKey(table[i - 1]), cryptoOrderKey(table[i])) << table[i].Name;
}

TEST(CryptoTable, NamedRowsAndTheirPlaces) {
    const auto table = CryptoTable();
    const auto position = [&](std::string_view name, std::string_view code) {
        const auto it = std::find_if(table.begin(), table.end(),
                                     [&](const TCryptoRec& r) { return r.Name == name && r.Code == code; });
        return it == table.end() ? -1 : int(it - table.begin());
    };
    const std::pair<std::string_view, std::string_view> named[] = {
        {"Bitcoin", "BTC"},   {"Litecoin", "LTC"},  {"Dogecoin", "DOGE"}, {"Ethereum", "ETH"},
        {"Dash", "DASH"},     {"Monero", "XMR"},    {"Ripple", "XRP"},    {"Peercoin", "PPC"},
        {"Namecoin", "NMC"},  {"AlpaCoin", "APC"},  {"Applecoin", "APC"}, {"UNCoin", "UNC"},
        {"UnionCoin", "UNC"}, {"Xaucoin", "XAU"},   {"Xaurum", "XAU"},    {"HempCoin", "HMP"},
        {"HempCoin", "THC"},  {"Moneta", "MNTA"},   {"Moneta", "MONETA"}, {"Spots", "SPOTS"},
        {"Spots", "SPT"},     {"Ethereum Classic", "ETC"}, {"Bitcoin Scrypt", "BTCS"},
    };
    for (const auto& [name, code] : named) EXPECT_GE(position(name, code), 0) << name << " " << code;
    EXPECT_LT(position("Ethereum Classic", "ETC"), position("Ethereum", "ETH"));
    EXPECT_LT(position("Bitcoin Scrypt", "BTCS"), position("Bitcoin", "BTC"));
    for (const auto code : {"2BACCO", "BITUSD", "XBTC21"})
        EXPECT_TRUE(std::any_of(table.begin(), table.end(), [&](const TCryptoRec& r) { return r.Code == code; }))
            << code;
}

TEST(CryptoTable, SizesAndTheRepeatedCodesAndNames) {
    std::map<std::string_view, int> codes;
    std::map<std::string, int> names;
    for (const auto& row : CryptoTable()) {
        EXPECT_LE(characters(row.Name), 24u) << row.Name;
        EXPECT_LE(row.Code.size(), 6u) << row.Code;
        // The code has its own column: "EnterCoin", not "EnterCoin (ENTER)".
        EXPECT_FALSE(row.Name.ends_with("(" + std::string(row.Code) + ")")) << row.Name;
        ++codes[row.Code];
        ++names[lower(row.Name)];
    }
    std::set<std::string_view> repeatedCodes;
    for (const auto& [code, count] : codes)
        if (count > 1) repeatedCodes.insert(code);
    std::set<std::string> repeatedNames;
    for (const auto& [name, count] : names)
        if (count > 1) repeatedNames.insert(name);
    EXPECT_EQ(repeatedCodes, (std::set<std::string_view>{"APC", "UNC", "XAU"}));
    EXPECT_EQ(repeatedNames, (std::set<std::string>{"hempcoin", "moneta", "spots"}));
}

TEST(EmoticonList, RowsInOrderWithTheirShortcuts) {
    ASSERT_EQ(kEmoticons.size(), 28u);
    const struct {
        std::size_t row;
        std::string_view name, firstShortcut;
        std::size_t count;
    } cases[] = {
        {0, "Smile", ":-)", 4},    {1, "Tongue", ":-P", 5},   {4, "Curly Lips", ":3", 1},
        {11, "Shark", "(^^^)", 1}, {16, "Unsure", ":/", 4},   {18, "Cry", ":'(", 1},
        {21, "Heart", "<3", 1},    {24, "Penguin", "<(\")", 1}, {25, "42", ":42:", 1},
        {27, "Poop", ":poop:", 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(kEmoticons[c.row].name, c.name);
        EXPECT_EQ(kEmoticons[c.row].shortcuts[0], c.firstShortcut) << c.name;
        EXPECT_EQ(kEmoticons[c.row].shortcutCount(), c.count) << c.name;
    }
    EXPECT_EQ(kEmoticons[16].shortcuts[3], ":-\\");
    EXPECT_EQ(kEmoticons[19].shortcutCount(), 1u);  // the row named after a person
}

}  // namespace

#pragma once
// The code tables of the reference pages: constant data of the program,
// generated at build time from data/reference/. Texts are UTF-8.

#include <span>
#include <string_view>

namespace termora::reference {

struct TCountryRec {
    std::string_view Name;
    std::string_view Alpha2;  // ISO 3166-1 alpha-2, upper case
    std::string_view Alpha3;  // ISO 3166-1 alpha-3, upper case
    std::string_view TLD;     // ".xx" in lower case, or empty
};

struct TCurrencyRec {
    std::string_view Code;
    std::string_view Name;
};

struct TCryptoRec {
    std::string_view Name;
    std::string_view Code;
};

// In the order the pages list them before the user sorts.
std::span<const TCountryRec> CountryTable();
std::span<const TCurrencyRec> CurrencyTable();
std::span<const TCryptoRec> CryptoTable();

}  // namespace termora::reference

#include "common/GeneratedUserEntries.h"

#include "platform/UserDataFolder.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <random>
#include <string_view>

namespace termora::bench {
namespace {

// UTF-8: "r\xc3\xa9" is an accented syllable.
constexpr std::array<std::string_view, 25> kSyllables = {"ab", "co", "de", "fi", "ga", "ho", "in", "ju", "ka",
                                                         "lo", "me", "ne", "or", "pa", "qui", "ra", "so", "ti",
                                                         "un", "ve", "wa", "xe", "yo", "ze", "r\xc3\xa9"};

// The Windows-1252 form of the generated UTF-8 text.
std::string windows1252(std::string text) {
    for (std::size_t at; (at = text.find("\xc3\xa9")) != std::string::npos;) text.replace(at, 2, "\xe9");
    return text;
}

}  // namespace

std::string generatedUserEntries(int lines) {
    std::mt19937 random(16);
    const auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const auto word = [&] {
        std::string w;
        for (int s = 1 + below(3); s > 0; --s) w += kSyllables[static_cast<std::size_t>(below(kSyllables.size()))];
        w[0] = static_cast<char>(w[0] - 'a' + 'A');
        return w;
    };
    std::string text;
    for (int line = 0; line < lines; ++line) {
        std::string key;
        for (int c = 2 + below(7); c > 0; --c) key += below(8) == 0 ? char('0' + below(10)) : char('A' + below(26));
        std::string expansion;
        const int meanings = below(4) == 0 ? 2 + below(2) : 1;
        for (int m = 1; m <= meanings; ++m) {
            if (meanings > 1) expansion += (m > 1 ? " <" : "<") + std::to_string(m) + "> ";
            for (int w = 2 + below(5); w > 0; --w) expansion += word() + (w > 1 ? " " : "");
        }
        if (line % 10 == 9) {
            text += "(S:'" + key + "';L:'" + windows1252(expansion) + "'),\r\n";
        } else {
            text += key + "\t" + expansion + "\n";
        }
    }
    return text;
}

std::string writeGeneratedUserEntries(int lines) {
    const std::string folder = paths::userDataFolder();
    std::filesystem::create_directories(folder + "dictionaries");
    std::ofstream(folder + "dictionaries/generated.tsv", std::ios::binary) << generatedUserEntries(lines);
    return folder;
}

}  // namespace termora::bench

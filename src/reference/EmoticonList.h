#pragma once
// The chat emoticons of the emoticon page, in the page's order: each with
// its name and the text shortcuts that produce it (one to five).

#include <array>
#include <cstddef>
#include <string_view>

namespace termora::reference {

struct Emoticon {
    std::string_view name;
    std::array<std::string_view, 5> shortcuts;  // unused places are empty

    std::size_t shortcutCount() const {
        std::size_t count = 0;
        while (count < shortcuts.size() && !shortcuts[count].empty()) ++count;
        return count;
    }
};

inline constexpr std::array<Emoticon, 28> kEmoticons = {{
    {"Smile", {":-)", ":)", ":]", "=)"}},
    {"Tongue", {":-P", ":P", ":-p", ":p", "=P"}},
    {"Wink", {";-)", ";)"}},
    {"Grin", {":-D", ":D", "=D"}},
    {"Curly Lips", {":3"}},
    {"Kiss", {":-*", ":*"}},
    {"Grumpy", {">:(", ">:-("}},
    {"Glasses", {"8-)", "8)", "B-)", "B)"}},
    {"Sunglasses", {"8-|", "8|", "B-|", "B|"}},
    {"Upset", {">:O", ">:-O", ">:o", ">:-o"}},
    {"Confused", {"o.O", "O.o"}},
    {"Shark", {"(^^^)"}},
    {"Gasp", {":-O", ":O", ":-o", ":o"}},
    {"Pacman", {":v"}},
    {"Squint", {"-_-"}},
    {"Devil", {"3:)", "3:-)"}},
    {"Unsure", {":/", ":-/", ":\\", ":-\\"}},
    {"Frown", {":-(", ":(", ":[", "=("}},
    {"Cry", {":'("}},
    // Named after Ada Lovelace.
    {"Ada", {":ada:"}},
    {"Robot", {":|]"}},
    {"Heart", {"<3"}},
    {"Angel", {"O:)", "O:-)"}},
    {"Kiki", {"^_^"}},
    {"Penguin", {"<(\")"}},
    {"42", {":42:"}},
    {"Thumb Up", {"(Y)"}},
    {"Poop", {":poop:"}},
}};

}  // namespace termora::reference

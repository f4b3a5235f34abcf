#include "controls/ResizeKitValidation.h"

#include <vector>

namespace termora::resizekit {
namespace {

// One comparison with another setting: the value may be neither below a
// lower bound nor above an upper one.
struct Check {
    const char* otherName;
    int other;
    bool onlyWhenSet;  // skipped while the other setting is 0
    bool otherIsUpperBound;
};

std::vector<Check> checksOf(SizeProperty property, const SizeSettings& s) {
    switch (property) {
    case SizeProperty::FormWidth:
        return {{"FormMinWidth", s.formMinWidth, false, false}, {"FormMaxWidth", s.formMaxWidth, true, true}};
    case SizeProperty::FormHeight:
        return {{"FormMinHeight", s.formMinHeight, false, false}, {"FormMaxHeight", s.formMaxHeight, true, true}};
    case SizeProperty::FormMaxWidth:
        return {{"FormMinWidth", s.formMinWidth, true, false}, {"FormWidth", s.formWidth, true, false}};
    case SizeProperty::FormMaxHeight:
        return {{"FormMinHeight", s.formMinHeight, true, false}, {"FormHeight", s.formHeight, true, false}};
    case SizeProperty::FormMinWidth:
        return {{"FormMaxWidth", s.formMaxWidth, true, true}, {"FormWidth", s.formWidth, true, true}};
    case SizeProperty::FormMinHeight:
        return {{"FormMaxHeight", s.formMaxHeight, true, true}, {"FormHeight", s.formHeight, true, true}};
    }
    return {};
}

int& fieldOf(SizeSettings& s, SizeProperty property) {
    switch (property) {
    case SizeProperty::FormWidth: return s.formWidth;
    case SizeProperty::FormHeight: return s.formHeight;
    case SizeProperty::FormMaxWidth: return s.formMaxWidth;
    case SizeProperty::FormMaxHeight: return s.formMaxHeight;
    case SizeProperty::FormMinWidth: return s.formMinWidth;
    case SizeProperty::FormMinHeight: return s.formMinHeight;
    }
    return s.formWidth;
}

std::string negativeMessage(MessageLanguage language) {
    return language == MessageLanguage::Japanese ? "0 以上の値を入れてください" : "Set this value equal to or greater than 0";
}

std::string boundMessage(const Check& check, MessageLanguage language) {
    const std::string name = check.otherName;
    if (language == MessageLanguage::Japanese)
        return name + (check.otherIsUpperBound ? " 以下の値を入れてください" : " 以上の値を入れてください");
    return (check.otherIsUpperBound ? "Set this value equal to or less than the " : "Set this value equal to or greater than the ") +
           name;
}

std::optional<std::string> rejection(SizeProperty property, int value, const SizeSettings& settings,
                                     MessageLanguage language) {
    if (value == 0) return std::nullopt;
    if (value < 0) return negativeMessage(language);
    for (const Check& check : checksOf(property, settings)) {
        if (check.onlyWhenSet && check.other == 0) continue;
        const bool outside = check.otherIsUpperBound ? value > check.other : value < check.other;
        if (outside) return boundMessage(check, language);
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> setSizeSetting(SizeSettings& settings, SizeProperty property, int value,
                                          MessageLanguage language) {
    auto message = rejection(property, value, settings, language);
    if (!message) fieldOf(settings, property) = value;
    return message;
}

}  // namespace termora::resizekit

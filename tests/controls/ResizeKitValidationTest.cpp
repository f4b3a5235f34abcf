#include "controls/ResizeKitValidation.h"

#include <gtest/gtest.h>

namespace termora::resizekit {
namespace {

struct Rejection {
    const char* name;
    SizeSettings before;
    SizeProperty property;
    int value;
    const char* english;
    const char* japanese;
};

SizeSettings with(int width, int height, int maxWidth, int maxHeight, int minWidth, int minHeight) {
    return {width, height, maxWidth, maxHeight, minWidth, minHeight};
}

TEST(SizeValidation, RejectsWithTheFirstFailingCheckAndKeepsTheOldValue) {
    const char* negative = "Set this value equal to or greater than 0";
    const char* negativeJa = "0 以上の値を入れてください";
    const Rejection cases[] = {
        {"width negative", {}, SizeProperty::FormWidth, -1, negative, negativeJa},
        {"width below minimum", with(0, 0, 0, 0, 550, 0), SizeProperty::FormWidth, 500,
         "Set this value equal to or greater than the FormMinWidth", "FormMinWidth 以上の値を入れてください"},
        {"width above maximum", with(0, 0, 800, 0, 0, 0), SizeProperty::FormWidth, 900,
         "Set this value equal to or less than the FormMaxWidth", "FormMaxWidth 以下の値を入れてください"},
        {"height negative", {}, SizeProperty::FormHeight, -5, negative, negativeJa},
        {"height below minimum", with(0, 0, 0, 0, 0, 550), SizeProperty::FormHeight, 500,
         "Set this value equal to or greater than the FormMinHeight", "FormMinHeight 以上の値を入れてください"},
        {"height above maximum", with(0, 0, 0, 800, 0, 0), SizeProperty::FormHeight, 900,
         "Set this value equal to or less than the FormMaxHeight", "FormMaxHeight 以下の値を入れてください"},
        {"max width negative", {}, SizeProperty::FormMaxWidth, -1, negative, negativeJa},
        {"max width below minimum", with(761, 0, 0, 0, 550, 0), SizeProperty::FormMaxWidth, 500,
         "Set this value equal to or greater than the FormMinWidth", "FormMinWidth 以上の値を入れてください"},
        {"max width below width", with(761, 0, 0, 0, 550, 0), SizeProperty::FormMaxWidth, 700,
         "Set this value equal to or greater than the FormWidth", "FormWidth 以上の値を入れてください"},
        {"max height negative", {}, SizeProperty::FormMaxHeight, -1, negative, negativeJa},
        {"max height below minimum", with(0, 661, 0, 0, 0, 550), SizeProperty::FormMaxHeight, 500,
         "Set this value equal to or greater than the FormMinHeight", "FormMinHeight 以上の値を入れてください"},
        {"max height below height", with(0, 661, 0, 0, 0, 550), SizeProperty::FormMaxHeight, 600,
         "Set this value equal to or greater than the FormHeight", "FormHeight 以上の値を入れてください"},
        {"min width negative", {}, SizeProperty::FormMinWidth, -1, negative, negativeJa},
        {"min width above maximum before width", with(761, 0, 800, 0, 0, 0), SizeProperty::FormMinWidth, 900,
         "Set this value equal to or less than the FormMaxWidth", "FormMaxWidth 以下の値を入れてください"},
        {"min width above width", with(761, 0, 800, 0, 0, 0), SizeProperty::FormMinWidth, 780,
         "Set this value equal to or less than the FormWidth", "FormWidth 以下の値を入れてください"},
        {"min height negative", {}, SizeProperty::FormMinHeight, -1, negative, negativeJa},
        {"min height above maximum", with(0, 661, 0, 700, 0, 0), SizeProperty::FormMinHeight, 750,
         "Set this value equal to or less than the FormMaxHeight", "FormMaxHeight 以下の値を入れてください"},
        {"min height above height", with(0, 661, 0, 700, 0, 0), SizeProperty::FormMinHeight, 680,
         "Set this value equal to or less than the FormHeight", "FormHeight 以下の値を入れてください"},
    };
    for (const auto& c : cases) {
        for (const auto& [language, expected] :
             {std::pair{MessageLanguage::English, c.english}, std::pair{MessageLanguage::Japanese, c.japanese}}) {
            SizeSettings settings = c.before;
            EXPECT_EQ(setSizeSetting(settings, c.property, c.value, language), std::optional<std::string>(expected))
                << c.name;
            EXPECT_EQ(settings.formWidth, c.before.formWidth) << c.name;
            EXPECT_EQ(settings.formHeight, c.before.formHeight) << c.name;
            EXPECT_EQ(settings.formMaxWidth, c.before.formMaxWidth) << c.name;
            EXPECT_EQ(settings.formMaxHeight, c.before.formMaxHeight) << c.name;
            EXPECT_EQ(settings.formMinWidth, c.before.formMinWidth) << c.name;
            EXPECT_EQ(settings.formMinHeight, c.before.formMinHeight) << c.name;
        }
    }
}

TEST(SizeValidation, AcceptedValuesAreStored) {
    SizeSettings settings;
    // The main window's settings in the order they are given.
    EXPECT_FALSE(setSizeSetting(settings, SizeProperty::FormWidth, 761, MessageLanguage::English));
    EXPECT_FALSE(setSizeSetting(settings, SizeProperty::FormHeight, 661, MessageLanguage::English));
    EXPECT_FALSE(setSizeSetting(settings, SizeProperty::FormMinWidth, 550, MessageLanguage::English));
    EXPECT_FALSE(setSizeSetting(settings, SizeProperty::FormMinHeight, 550, MessageLanguage::English));
    EXPECT_FALSE(setSizeSetting(settings, SizeProperty::FormMaxWidth, 761, MessageLanguage::English)) << "equal passes";
    EXPECT_FALSE(setSizeSetting(settings, SizeProperty::FormMaxHeight, 900, MessageLanguage::English));
    EXPECT_EQ(settings.formWidth, 761);
    EXPECT_EQ(settings.formHeight, 661);
    EXPECT_EQ(settings.formMinWidth, 550);
    EXPECT_EQ(settings.formMinHeight, 550);
    EXPECT_EQ(settings.formMaxWidth, 761);
    EXPECT_EQ(settings.formMaxHeight, 900);

    // 0 switches a setting off whatever the others hold.
    for (const SizeProperty property : {SizeProperty::FormWidth, SizeProperty::FormHeight, SizeProperty::FormMaxWidth,
                                        SizeProperty::FormMaxHeight, SizeProperty::FormMinWidth,
                                        SizeProperty::FormMinHeight}) {
        SizeSettings full = settings;
        EXPECT_FALSE(setSizeSetting(full, property, 0, MessageLanguage::Japanese)) << static_cast<int>(property);
    }
    setSizeSetting(settings, SizeProperty::FormMinWidth, 0, MessageLanguage::English);
    EXPECT_EQ(settings.formMinWidth, 0);
}

}  // namespace
}  // namespace termora::resizekit

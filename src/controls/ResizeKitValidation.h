#pragma once
// The checks of the kit's six size settings: a value must not be negative
// and must fit the settings it is paired with. 0 always passes.

#include "controls/ResizeKitSettings.h"

#include <optional>
#include <string>

namespace termora::resizekit {

enum class SizeProperty { FormWidth, FormHeight, FormMaxWidth, FormMaxHeight, FormMinWidth, FormMinHeight };

// Users with a Japanese locale get the messages in Japanese.
enum class MessageLanguage { English, Japanese };

// Stores the value and returns nothing, or keeps the old value and returns
// the message (UTF-8) of the first check that fails.
std::optional<std::string> setSizeSetting(SizeSettings& settings, SizeProperty property, int value,
                                          MessageLanguage language);

}  // namespace termora::resizekit

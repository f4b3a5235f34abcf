#include "views/DictionaryText.h"

#include "platform/Windows1252.h"
#include "store/TSL.h"

namespace termora {

QString keyText(std::string_view key) {
    QString text;
    text.reserve(static_cast<qsizetype>(key.size()));
    for (const char c : key) text += QChar(static_cast<char16_t>(cp1252::toUnicode(static_cast<unsigned char>(c))));
    return text;
}

QString expansionText(std::string_view expansion) {
    QString text = keyText(expansion);
    text.replace(QLatin1Char(TSL::kApostrophePlaceholder), QLatin1Char('\''));
    return text;
}

std::optional<std::string> dictionaryBytes(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const char32_t c : text.toStdU32String()) {
        const auto byte = cp1252::fromUnicode(c);
        if (!byte) return std::nullopt;
        bytes += static_cast<char>(*byte);
    }
    return bytes;
}

}  // namespace termora

#include "store/ShownLines.h"

#include "platform/Windows1252.h"

#include <algorithm>

namespace termora {

std::string shownText(std::string_view bytes) {
    std::string text(bytes);
    std::replace(text.begin(), text.end(), TSL::kApostrophePlaceholder, '\'');
    return cp1252::toUtf8(text);
}

ShownLineSet::ShownLineSet(const PackedEntries& entries) : m_positions(entries.count()) {
    for (std::size_t position = 0; position < entries.keyOrder.size(); ++position) {
        const RecordNumber record = entries.keyOrder[position];
        m_positions[record] = static_cast<std::uint32_t>(position);
        const std::string key = shownText(entries.key(record));
        m_lineStarts.push_back(static_cast<std::uint32_t>(m_lines.size()));
        m_lines.append(key).append(1, '\t').append(shownText(entries.expansion(record))).append(1, '\n');
        m_keyStarts.push_back(static_cast<std::uint32_t>(m_keys.size()));
        m_keys.append(key).append(1, '\n');
    }
    m_lineStarts.push_back(static_cast<std::uint32_t>(m_lines.size()));
    m_keyStarts.push_back(static_cast<std::uint32_t>(m_keys.size()));
    m_shown = ShownLines{m_lines, m_lineStarts, m_keys, m_keyStarts, m_positions};
}

}  // namespace termora

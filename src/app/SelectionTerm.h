#pragma once
// The term that selected text gives: its first line, trimmed, with any
// other control character read as a blank, at most kMaxSelectionLength
// characters. An empty result means nothing to look up.

#include <QString>

namespace termora::launch {

inline constexpr int kMaxSelectionLength = 100;

QString termFromSelection(const QString& selected);

}  // namespace termora::launch

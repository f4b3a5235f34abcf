#pragma once
// The 16 x 16 pictures of the emoticon list, drawn for Termora: one per
// emoticon, in the list's order.

#include <QImage>

#include <cstddef>

namespace termora::reference {

inline constexpr int kEmoticonPictureSize = 16;

// The picture of the emoticon at the given position of kEmoticons.
QImage emoticonPicture(std::size_t row);

}  // namespace termora::reference

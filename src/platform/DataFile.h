#pragma once
// The data files of record as the build tools read them: whole, and only
// when they are regular files, so that a folder or an unreadable file given
// by mistake fails the build with its true reason instead of reading as an
// empty file.

#include <stdexcept>
#include <string>
#include <string_view>

namespace termora::datafile {

class DataFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The file's bytes. Throws DataFileError "PATH: reason" when the path is
// missing, no regular file or cannot be read.
std::string readWhole(const std::string& path);

// True when the text begins with the UTF-8 encoded byte-order mark.
bool startsWithByteOrderMark(std::string_view text);

}  // namespace termora::datafile

#pragma once
// Reads members of a ZIP archive (stored or deflated, never encrypted: no
// password is ever given) through libzip. The archive is opened, members are
// extracted whole into memory, and it is closed; any failure is a ZipError
// with a message that names the archive or member and the cause.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

struct zip;

namespace termora::reference {

class ZipError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a member may produce when inflated. A small archive can expand to
// gigabytes, or to millions of empty lines, so what the member turns into is
// counted as it is inflated, and reading stops at the first limit passed.
// Lines end at CR LF, a lone CR or a lone LF.
struct MemberLimits {
    std::size_t bytes = 64 * 1024 * 1024;
    std::size_t lines = SIZE_MAX;
    std::size_t lineLength = SIZE_MAX;  // bytes, without the line break
};

class ZipReader {
public:
    ZipReader() = default;
    ~ZipReader();
    ZipReader(const ZipReader&) = delete;
    ZipReader& operator=(const ZipReader&) = delete;

    // Opens the archive for reading, closing any archive opened before.
    void open(const std::string& path);

    // The member's bytes, checked against its CRC. The name is compared
    // exactly as stored. A member beyond the limits is a ZipError naming it.
    std::string extract(const std::string& memberName, const MemberLimits& limits = {}) const;

    void close();
    bool isOpen() const { return m_archive != nullptr; }

private:
    zip* m_archive = nullptr;
    std::string m_path;
};

}  // namespace termora::reference

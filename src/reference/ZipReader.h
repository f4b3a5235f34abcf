#pragma once
// Reads members of a ZIP archive (stored or deflated, never encrypted: no
// password is ever given) through libzip. The archive is opened, members are
// extracted whole into memory, and it is closed; any failure is a ZipError
// with a message that names the archive or member and the cause.

#include <cstddef>
#include <stdexcept>
#include <string>

struct zip;

namespace termora::reference {

class ZipError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ZipReader {
public:
    // Members larger than this are refused rather than inflated, so that a
    // hostile archive cannot exhaust memory.
    static constexpr std::size_t kMemberSizeLimit = 64 * 1024 * 1024;

    ZipReader() = default;
    ~ZipReader();
    ZipReader(const ZipReader&) = delete;
    ZipReader& operator=(const ZipReader&) = delete;

    // Opens the archive for reading, closing any archive opened before.
    void open(const std::string& path);

    // The member's bytes, checked against its CRC. The name is compared
    // exactly as stored.
    std::string extract(const std::string& memberName, std::size_t sizeLimit = kMemberSizeLimit) const;

    void close();
    bool isOpen() const { return m_archive != nullptr; }

private:
    zip* m_archive = nullptr;
    std::string m_path;
};

}  // namespace termora::reference

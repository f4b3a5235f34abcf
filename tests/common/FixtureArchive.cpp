#include "common/FixtureArchive.h"

#include <zip.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace termora::testing {
namespace {

unsigned readLittleEndian16(const std::string& bytes, std::size_t at) {
    return unsigned(static_cast<unsigned char>(bytes[at])) | unsigned(static_cast<unsigned char>(bytes[at + 1])) << 8;
}

}  // namespace

void writeArchive(const std::string& path, const std::vector<FixtureMember>& members) {
    int code = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (archive == nullptr) throw std::runtime_error("cannot create " + path);
    for (const FixtureMember& member : members) {
        zip_source_t* source = zip_source_buffer(archive, member.bytes.data(), member.bytes.size(), 0);
        const zip_int64_t index = source ? zip_file_add(archive, member.name.c_str(), source, ZIP_FL_ENC_GUESS) : -1;
        const zip_int32_t method = member.packing == Packing::Stored ? ZIP_CM_STORE : ZIP_CM_DEFLATE;
        if (index < 0 || zip_set_file_compression(archive, zip_uint64_t(index), method, 0) != 0) {
            zip_discard(archive);
            throw std::runtime_error("cannot add " + member.name);
        }
    }
    if (zip_close(archive) != 0) throw std::runtime_error("cannot write " + path);
}

void damageMember(const std::string& path, const std::string& memberName) {
    std::string bytes = readWholeFile(path);
    // The local header: signature, 26 bytes of fields, the name, the extra field.
    const std::string signature("PK\x03\x04", 4);
    for (std::size_t at = bytes.find(signature); at != std::string::npos; at = bytes.find(signature, at + 1)) {
        const std::size_t nameLength = readLittleEndian16(bytes, at + 26);
        const std::size_t extraLength = readLittleEndian16(bytes, at + 28);
        if (bytes.compare(at + 30, nameLength, memberName) != 0) continue;
        const std::size_t dataSize = std::size_t(readLittleEndian16(bytes, at + 18)) |
                                     std::size_t(readLittleEndian16(bytes, at + 20)) << 16;
        if (dataSize == 0) throw std::runtime_error("member has no data: " + memberName);
        bytes[at + 30 + nameLength + extraLength + dataSize / 2] ^= 0x5A;
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
        return;
    }
    throw std::runtime_error("no member " + memberName);
}

void truncateFile(const std::string& path, std::size_t size) { std::filesystem::resize_file(path, size); }

std::string readWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace termora::testing

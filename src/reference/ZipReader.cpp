#include "ZipReader.h"

#include <zip.h>

#include <memory>

namespace termora::reference {
namespace {

std::string libzipMessage(int code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    std::string text = zip_error_strerror(&error);
    zip_error_fini(&error);
    return text;
}

struct MemberCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

}  // namespace

ZipReader::~ZipReader() { close(); }

void ZipReader::open(const std::string& path) {
    close();
    int code = ZIP_ER_OK;
    // Consistency checks catch truncated and tampered central directories.
    zip* archive = zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (archive == nullptr) throw ZipError("Cannot open archive \"" + path + "\": " + libzipMessage(code));
    m_archive = archive;
    m_path = path;
}

std::string ZipReader::extract(const std::string& memberName, std::size_t sizeLimit) const {
    const auto fail = [&](const std::string& cause) {
        return ZipError("Cannot extract \"" + memberName + "\" from \"" + m_path + "\": " + cause);
    };
    if (m_archive == nullptr) throw ZipError("Cannot extract \"" + memberName + "\": no archive is open");

    const zip_int64_t index = zip_name_locate(m_archive, memberName.c_str(), ZIP_FL_ENC_RAW);
    if (index < 0) throw fail(zip_strerror(m_archive));

    const std::unique_ptr<zip_file_t, MemberCloser> member(zip_fopen_index(m_archive, zip_uint64_t(index), 0));
    if (!member) throw fail(zip_strerror(m_archive));

    // Read in pieces and trust no stated size: the stream ends where the
    // data ends, and libzip checks the CRC when it reaches that end.
    std::string bytes;
    char buffer[64 * 1024];
    for (;;) {
        const zip_int64_t got = zip_fread(member.get(), buffer, sizeof buffer);
        if (got < 0) throw fail(zip_file_strerror(member.get()));
        if (got == 0) break;
        if (bytes.size() + std::size_t(got) > sizeLimit)
            throw fail("the member is larger than " + std::to_string(sizeLimit) + " bytes");
        bytes.append(buffer, std::size_t(got));
    }
    return bytes;
}

void ZipReader::close() {
    if (m_archive == nullptr) return;
    // Read only: nothing to write back, so discard rather than close.
    zip_discard(m_archive);
    m_archive = nullptr;
    m_path.clear();
}

}  // namespace termora::reference

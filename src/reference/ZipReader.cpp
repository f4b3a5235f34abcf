#include "reference/ZipReader.h"

#include <zip.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <string_view>

namespace termora::reference {
namespace {

std::string libzipMessage(int code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    std::string text = zip_error_strerror(&error);
    zip_error_fini(&error);
    return text;
}

// Counts lines and the length of the current line across the pieces of a
// member, with the line rules of the program's text files.
class TextShape {
public:
    // What passes a limit in this piece, or nothing.
    std::optional<std::string> add(std::string_view piece, const MemberLimits& limits) {
        for (const char c : piece) {
            if (c == '\n' && m_afterCr) {  // the second half of a CR LF
                m_afterCr = false;
                continue;
            }
            m_afterCr = c == '\r';
            if (m_atLineStart) {
                if (++m_lines > limits.lines)
                    return "the member has more than " + std::to_string(limits.lines) + " lines";
                m_atLineStart = false;
            }
            if (c == '\r' || c == '\n') {
                m_lineLength = 0;
                m_atLineStart = true;
            } else if (++m_lineLength > limits.lineLength) {
                return "line " + std::to_string(m_lines) + " of the member is longer than " +
                       std::to_string(limits.lineLength) + " bytes";
            }
        }
        return std::nullopt;
    }

private:
    std::size_t m_lines = 0;
    std::size_t m_lineLength = 0;
    bool m_atLineStart = true;
    bool m_afterCr = false;
};

struct MemberCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

}  // namespace

ZipReader::~ZipReader() { close(); }

void ZipReader::open(const std::string& path) {
    close();
    const auto fail = [&](const std::string& cause) { return ZipError("Cannot open archive \"" + path + "\": " + cause); };
    // Opened without blocking and checked first: a fifo under the archive's
    // name would otherwise hold the window forever.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) throw fail(std::strerror(errno));
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const std::string cause = S_ISDIR(info.st_mode) ? std::strerror(EISDIR) : "Not a regular file";
        ::close(fd);
        throw fail(cause);
    }
    int code = ZIP_ER_OK;
    // Consistency checks catch truncated and tampered central directories.
    zip* archive = zip_fdopen(fd, ZIP_CHECKCONS, &code);
    if (archive == nullptr) {
        ::close(fd);
        throw fail(libzipMessage(code));
    }
    m_archive = archive;
    m_path = path;
}

std::string ZipReader::extract(const std::string& memberName, const MemberLimits& limits) const {
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
    TextShape shape;
    char buffer[64 * 1024];
    for (;;) {
        const zip_int64_t got = zip_fread(member.get(), buffer, sizeof buffer);
        if (got < 0) throw fail(zip_file_strerror(member.get()));
        if (got == 0) break;
        if (bytes.size() + std::size_t(got) > limits.bytes)
            throw fail("the member expands to more than " + std::to_string(limits.bytes) + " bytes");
        const std::string_view piece(buffer, std::size_t(got));
        if (const auto excess = shape.add(piece, limits)) throw fail(*excess);
        bytes.append(piece);
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

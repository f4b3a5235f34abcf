// The program's files under hostile conditions: a full disk, a fifo, a
// folder or a device where a file should be, a file far too long. Nothing
// may be lost, nothing may wait forever, and the message names the file.

#include <gtest/gtest.h>

#include "common/HangGuard.h"
#include "common/TestFiles.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QTemporaryDir>

#include <csignal>
#include <string>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace termora;
using namespace termora::testing;

namespace {

using Saver = void (*)(const QString&, const QByteArray&);

QByteArray recordLines(int count) {
    QByteArray bytes;
    for (int i = 0; i < count; ++i) bytes += QByteArray("(S:'XER") + QByteArray::number(i % 10) + "';L:'XML Encoding Rules'),\r\n";
    return bytes;
}

// Runs the saver in a child process whose files may not grow past 1024
// bytes, with SIGXFSZ ignored: writes fail as on a full disk. Returns the
// error text the child saw, or "<no error>".
std::string saveOnFullDisk(Saver saver, const QString& path, const QByteArray& bytes) {
    int channel[2];
    if (::pipe(channel) != 0) return "<no pipe>";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1024, 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::string text = "<no error>";
        try {
            saver(path, bytes);
        } catch (const UserError& error) {
            text = error.text().toStdString();
        }
        [[maybe_unused]] const ssize_t written = ::write(channel[1], text.data(), text.size());
        ::_exit(0);
    }
    ::close(channel[1]);
    std::string text;
    char buffer[512];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;) text.append(buffer, std::size_t(got));
    ::close(channel[0]);
    ::waitpid(child, nullptr, 0);
    return text;
}

// What the path itself is (file, folder, fifo, link).
mode_t entryKind(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & S_IFMT : 0;
}

class TextFileTest : public ::testing::Test {
protected:
    QString path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    QStringList entries() const { return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot); }

    QTemporaryDir m_dir;
};

TEST_F(TextFileTest, AFullDiskLeavesTheOldFileWholeAndNoNewFile) {
    const struct {
        const char* what;
        Saver saver;
    } savers[] = {{"save", &textfile::save}, {"saveReplacing", &textfile::saveReplacing}};
    for (const auto& s : savers) {
        SCOPED_TRACE(s.what);
        const QString file = path("New.txt");
        const QByteArray old = recordLines(60);  // more than the 1024 bytes the child may write
        ASSERT_TRUE(writeFile(file, old));
        EXPECT_EQ(saveOnFullDisk(s.saver, file, old + recordLines(1)),
                  ("Cannot create file \"" + file + "\". File too large").toStdString());
        EXPECT_EQ(readFile(file), old);
        EXPECT_EQ(entries(), QStringList{"New.txt"});
    }
}

TEST_F(TextFileTest, SaveRefusesWhatIsNoRegularFileAndLeavesItAlone) {
    const HangGuard guard;
    const struct {
        const char* kind;
        const char* reason;
    } cases[] = {
        {"folder", "Is a directory"},
        {"fifo", "Not a regular file"},
        {"null device", "Not a regular file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        const QString target = path(c.kind);
        ASSERT_TRUE(putInPlaceOfFile(target, c.kind));
        const mode_t kind = entryKind(target);
        EXPECT_EQ(userErrorOf([&] { textfile::save(target, "x\r\n"); }),
                  "Cannot create file \"" + target + "\". " + c.reason);
        EXPECT_EQ(entryKind(target), kind);
    }
    EXPECT_EQ(entries().size(), 3);  // no new file left behind
    EXPECT_EQ(userErrorOf([&] { textfile::save(path("no/such/folder.txt"), "x"); }),
              "Cannot create file \"" + path("no/such/folder.txt") + "\". No such file or directory");
}

TEST_F(TextFileTest, SaveReplacesTheFileALinkNamesAndKeepsItsPermissions) {
    const QString real = path("real.txt");
    const QString link = path("Browser.dat");
    ASSERT_TRUE(writeFile(real, "old\r\n"));
    ASSERT_TRUE(QFile::link(real, link));
    ASSERT_EQ(::chmod(QFile::encodeName(real).constData(), 0640), 0);
    textfile::save(link, "new\r\n");
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readFile(real), "new\r\n");
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(real).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(entries(), (QStringList{"Browser.dat", "real.txt"}));
}

TEST_F(TextFileTest, LoadReadsOnlyRegularFilesUpToTheBound) {
    const HangGuard guard;
    ASSERT_TRUE(writeFile(path("ten.txt"), "0123456789"));
    EXPECT_EQ(textfile::load(path("ten.txt"), 10), "0123456789");
    ASSERT_TRUE(writeFile(path("eleven.txt"), "0123456789+"));
    const struct {
        const char* kind;  // what putInPlaceOfFile() makes, or the name of a prepared case
        const char* reason;
    } cases[] = {
        {"eleven.txt", "File too large"},
        {"fifo", "Not a regular file"},
        {"folder", "Is a directory"},
        {"endless device", "Not a regular file"},
        {"missing", "No such file or directory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        const QString file = path(c.kind);
        putInPlaceOfFile(file, c.kind);
        EXPECT_EQ(userErrorOf([&] { textfile::load(file, 10); }), "Cannot open file \"" + file + "\". " + c.reason);
    }
}

}  // namespace

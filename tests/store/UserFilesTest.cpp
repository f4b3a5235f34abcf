// The user's files as they lie in the data folder: which are read, in which
// order, and what is reported for those that cannot be; none is changed.

#include "common/HangGuard.h"
#include "store/UserFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace termora {
namespace {

namespace fs = std::filesystem;

class UserFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = fs::temp_directory_path() / ("user-files-" + std::to_string(::getpid()));
        fs::remove_all(m_folder);
        fs::create_directories(m_folder / "dictionaries");
    }
    void TearDown() override {
        std::error_code gone;
        fs::permissions(m_folder / "dictionaries", fs::perms::owner_all, fs::perm_options::add, gone);
        fs::remove_all(m_folder);
    }

    void write(const std::string& name, const std::string& bytes) {
        std::ofstream(m_folder / name, std::ios::binary) << bytes;
    }
    std::string path(const std::string& name) const { return (m_folder / name).string(); }
    UserEntries load() const { return userfiles::load(m_folder.string() + "/"); }

    fs::path m_folder;
};

std::vector<std::string> keysOf(const UserEntries& loaded) {
    std::vector<std::string> keys;
    for (const UserEntry& entry : loaded.entries) keys.emplace_back(entry.key);
    return keys;
}

std::vector<std::string> reasonsOf(const UserEntries& loaded) {
    std::vector<std::string> reasons;
    for (const BadLine& bad : loaded.badLines) reasons.push_back(bad.file + ": " + bad.reason);
    return reasons;
}

TEST_F(UserFilesTest, NothingThereIsNothingToReport) {
    fs::remove_all(m_folder);
    const UserEntries loaded = load();
    EXPECT_TRUE(loaded.entries.empty());
    EXPECT_TRUE(loaded.badLines.empty());
}

TEST_F(UserFilesTest, NewTxtFirstThenTheDictionariesByName) {
    write("New.txt", "(S:'N1';L:'n'),\r\n(S:'N2';L:'n'),\r\n");
    write("dictionaries/b.tsv", "B\tb\n");
    write("dictionaries/a.txt", "(S:'A';L:'a'),\r\nA2\ta\n");
    write("dictionaries/Z", "Z\tz\n");  // upper case sorts first, byte by byte
    write("dictionaries/.hidden", "H\th\n");
    write("dictionaries/c.tsv~", "C\tc\n");
    fs::create_directories(m_folder / "dictionaries/sub");
    write("dictionaries/sub/d.tsv", "D\td\n");
    fs::create_directory_symlink(m_folder / "dictionaries/sub", m_folder / "dictionaries/sublink");
    const std::string before = std::to_string(fs::file_size(m_folder / "New.txt"));

    const UserEntries loaded = load();
    EXPECT_EQ(keysOf(loaded), (std::vector<std::string>{"N1", "N2", "Z", "A", "A2", "B"}));
    EXPECT_TRUE(loaded.badLines.empty()) << reasonsOf(loaded).front();
    EXPECT_EQ(std::to_string(fs::file_size(m_folder / "New.txt")), before);
}

TEST_F(UserFilesTest, FilesThatCannotBeReadAreNamedAndTheRestLoads) {
    const termora::testing::HangGuard guard;
    write("dictionaries/good.tsv", "G\tg\n");
    write("dictionaries/target.tsv", "L\tl\n");
    fs::create_symlink(m_folder / "dictionaries/target.tsv", m_folder / "dictionaries/link.tsv");
    fs::create_symlink(m_folder / "missing.tsv", m_folder / "dictionaries/dangling.tsv");
    ASSERT_EQ(::mkfifo(path("dictionaries/fifo.tsv").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", m_folder / "dictionaries/device.tsv");
    fs::create_directories(m_folder / "New.txt");  // a folder where New.txt belongs
    { std::ofstream huge(m_folder / "dictionaries/huge.tsv", std::ios::binary); }
    fs::resize_file(m_folder / "dictionaries/huge.tsv", userfiles::kFileLimit + 1);  // sparse: no disk used

    const UserEntries loaded = load();
    EXPECT_EQ(keysOf(loaded), (std::vector<std::string>{"G", "L", "L"}));
    EXPECT_EQ(reasonsOf(loaded), (std::vector<std::string>{
                                     path("New.txt") + ": cannot be read: Is a directory",
                                     path("dictionaries/dangling.tsv") + ": cannot be read: No such file or directory",
                                     path("dictionaries/device.tsv") + ": not a regular file",
                                     path("dictionaries/fifo.tsv") + ": not a regular file",
                                     path("dictionaries/huge.tsv") + ": larger than 64 MiB",
                                 }));
}

// Read in a child process that, started by the superuser, becomes the user
// nobody first (the superuser reads any file): the reasons it reports.
std::string reasonsOfAnOrdinaryUser(const std::function<UserEntries()>& load) {
    int pipe[2];
    if (::pipe(pipe) != 0) return "(no pipe)";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe[0]);
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(1);
        std::string reasons;
        for (const std::string& reason : reasonsOf(load())) reasons += reason + "\n";
        ::_exit(::write(pipe[1], reasons.data(), reasons.size()) == ssize_t(reasons.size()) ? 0 : 1);
    }
    ::close(pipe[1]);
    std::string reasons;
    char buffer[1024];
    for (ssize_t got; (got = ::read(pipe[0], buffer, sizeof buffer)) > 0;) reasons.append(buffer, std::size_t(got));
    ::close(pipe[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? reasons : "(the child failed)";
}

TEST_F(UserFilesTest, AnUnreadableFileAndFolderAreNamed) {
    write("New.txt", "N\tn\n");
    write("dictionaries/secret.tsv", "S\ts\n");
    fs::permissions(m_folder / "New.txt", fs::perms::none);
    fs::permissions(m_folder / "dictionaries", fs::perms::none);
    EXPECT_EQ(reasonsOfAnOrdinaryUser([this] { return load(); }),
              path("New.txt") + ": cannot be read: Permission denied\n" + path("dictionaries/") +
                  ": cannot be read: Permission denied\n");
}

}  // namespace
}  // namespace termora

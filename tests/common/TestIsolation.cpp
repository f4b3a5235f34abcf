// Linked into every test and benchmark executable: before anything else
// runs, the process gets a home, XDG folders and a temporary folder of its
// own, removed again at exit. So a test started by hand, outside ctest,
// never reads or writes the user's configuration, data or temporary files,
// and needs no display.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include <sys/stat.h>

namespace {

class IsolatedEnvironment {
public:
    IsolatedEnvironment() {
        const char* outer = std::getenv("TMPDIR");
        m_root = std::string(outer != nullptr && *outer != '\0' ? outer : "/tmp") + "/termora-test-XXXXXX";
        if (::mkdtemp(m_root.data()) == nullptr) {
            m_root = "/tmp/termora-test-XXXXXX";
            if (::mkdtemp(m_root.data()) == nullptr) {
                std::perror("termora tests: cannot make a private folder");
                std::abort();  // running on with the user's own folders would be worse
            }
        }
        const std::pair<const char*, const char*> folders[] = {
            {"HOME", "home"},         {"XDG_CONFIG_HOME", "config"}, {"XDG_DATA_HOME", "data"},
            {"XDG_DATA_DIRS", "data-dirs"}, {"XDG_CACHE_HOME", "cache"}, {"XDG_STATE_HOME", "state"},
            {"XDG_RUNTIME_DIR", "runtime"}, {"TMPDIR", "tmp"},
        };
        for (const auto& [variable, name] : folders) {
            const std::string path = m_root + "/" + name;
            ::mkdir(path.c_str(), S_IRWXU);
            ::setenv(variable, path.c_str(), 1);
        }
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }
    ~IsolatedEnvironment() {
        std::error_code ignored;
        std::filesystem::remove_all(m_root, ignored);
    }
    IsolatedEnvironment(const IsolatedEnvironment&) = delete;
    IsolatedEnvironment& operator=(const IsolatedEnvironment&) = delete;

private:
    std::string m_root;
};

// Constructed before the static objects of the test itself.
__attribute__((init_priority(101))) IsolatedEnvironment isolation;

}  // namespace

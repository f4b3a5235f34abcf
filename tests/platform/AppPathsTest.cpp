// Where the program keeps its files: the private temporary folder under the
// environments a shared machine gives it, the user's folders, the data folder
// of an installed program.

#include "common/TestFiles.h"
#include "platform/AppPaths.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace termora;
using namespace termora::testing;

namespace {

const QString kOwnFolder = QStringLiteral("termora-%1").arg(::geteuid());

// Sets or, for "-", removes an environment variable.
void setVariable(const char* name, const QString& value) {
    if (value == "-") {
        qunsetenv(name);
    } else {
        qputenv(name, value.toLocal8Bit());
    }
}

struct stat statOf(const QString& path) {
    struct stat info {};
    ::lstat(QFile::encodeName(path).constData(), &info);
    return info;
}

}  // namespace

class AppPathsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_root = std::make_unique<QTemporaryDir>();
        m_runtime = qgetenv("XDG_RUNTIME_DIR");
        m_tmpdir = qgetenv("TMPDIR");
        // A closed runtime folder, one open to others, and a shared temporary
        // folder like /tmp: writable by all, sticky.
        const std::pair<const char*, mode_t> folders[] = {{"run", 0700}, {"open", 0777}, {"shared", 01777}};
        for (const auto& [name, mode] : folders) {
            QVERIFY(QDir(root()).mkdir(name));
            QCOMPARE(::chmod(QFile::encodeName(path(name)).constData(), mode), 0);
        }
        QVERIFY(writeFile(path("file"), "not a folder"));
    }
    void cleanup() {
        qputenv("XDG_RUNTIME_DIR", m_runtime);
        qputenv("TMPDIR", m_tmpdir);
        m_root.reset();
    }

    void privateTemporaryFolder_data() {
        QTest::addColumn<QString>("runtime");   // XDG_RUNTIME_DIR, "-" for none; <root> is the test's folder
        QTest::addColumn<QString>("tmpdir");    // TMPDIR
        QTest::addColumn<QString>("folder");    // the private folder expected
        const QString shared = "<root>/shared/" + kOwnFolder;
        const QString fallback = "/tmp/" + kOwnFolder;
        QTest::newRow("runtime folder") << "<root>/run" << "<root>/shared" << "<root>/run/termora";
        QTest::newRow("no runtime folder") << "-" << "<root>/shared" << shared;
        QTest::newRow("runtime folder open to others") << "<root>/open" << "<root>/shared" << shared;
        QTest::newRow("runtime folder missing") << "<root>/missing" << "<root>/shared" << shared;
        QTest::newRow("runtime folder relative") << "run" << "<root>/shared" << shared;
        QTest::newRow("runtime folder a file") << "<root>/file" << "<root>/shared" << shared;
        QTest::newRow("TMPDIR missing") << "-" << "<root>/missing" << fallback;
        QTest::newRow("TMPDIR a file") << "-" << "<root>/file" << fallback;
        QTest::newRow("TMPDIR the root folder") << "-" << "/" << fallback;
        QTest::newRow("TMPDIR empty") << "-" << "" << fallback;
    }
    void privateTemporaryFolder() {
        QFETCH(QString, runtime);
        QFETCH(QString, tmpdir);
        QFETCH(QString, folder);
        setVariable("XDG_RUNTIME_DIR", runtime.replace("<root>", root()));
        setVariable("TMPDIR", tmpdir.replace("<root>", root()));
        folder.replace("<root>", root());

        QCOMPARE(paths::tempFile("more.txt"), folder + "/more.txt");
        const struct stat info = statOf(folder);
        QVERIFY(S_ISDIR(info.st_mode));
        QCOMPARE(info.st_uid, ::geteuid());
        QCOMPARE(info.st_mode & 07777, mode_t(0700));
        // Nothing but the private folder goes into a shared folder.
        const QStringList shared = QDir(path("shared")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        QCOMPARE(shared, folder.startsWith(path("shared")) ? QStringList{kOwnFolder} : QStringList{});
    }

    void existingPrivateFolder_data() {
        QTest::addColumn<QString>("standing");   // what stands under the folder's name
        QTest::addColumn<QString>("reason");     // empty: the folder is used
        QTest::newRow("own folder") << "own folder" << "";
        QTest::newRow("own folder open to others") << "open folder" << "";
        QTest::newRow("link to an own folder") << "link" << "Its folder is a link";
        QTest::newRow("file") << "file" << "Not a directory";
        QTest::newRow("another user's folder") << "foreign folder" << "Its folder belongs to another user";
    }
    void existingPrivateFolder() {
        QFETCH(QString, standing);
        QFETCH(QString, reason);
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", path("shared").toLocal8Bit());
        const QString folder = path("shared/" + kOwnFolder);
        const QByteArray name = QFile::encodeName(folder);
        if (standing == "link") QVERIFY(QFile::link(path("run"), folder));
        if (standing == "file") QVERIFY(writeFile(folder, "planted"));
        if (standing.endsWith("folder")) QCOMPARE(::mkdir(name.constData(), 0700), 0);
        if (standing == "open folder") QCOMPARE(::chmod(name.constData(), 0777), 0);
        if (standing == "foreign folder" && ::chown(name.constData(), 65534, 65534) != 0) {
            QSKIP("only root can give a folder to another user");
        }

        // Checked on every use, not only when it is made.
        for (int use = 0; use < 2; ++use) {
            const QString error = userErrorOf([] { paths::tempFile("update.ini"); });
            QCOMPARE(error, reason.isEmpty() ? QString() : "Cannot create file \"" + folder + "/update.ini\". " + reason);
        }
        if (reason.isEmpty()) QCOMPARE(statOf(folder).st_mode & 07777, mode_t(0700));
        QCOMPARE(statOf(path("run")).st_mode & 07777, mode_t(0700));  // a link's target is left alone
    }

    void userFolders() {
        qputenv("XDG_CONFIG_HOME", path("config").toLocal8Bit());
        qputenv("XDG_DATA_HOME", path("data").toLocal8Bit());
        QCOMPARE(paths::userConfigDir(), path("config") + "/Velmont/");
        QCOMPARE(paths::userDataDir(), path("data") + "/termora/");
        const QByteArray home = qgetenv("HOME");
        qputenv("HOME", root().toLocal8Bit());
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("XDG_DATA_HOME");
        QCOMPARE(paths::userConfigDir(), root() + "/.config/Velmont/");
        QCOMPARE(paths::userDataDir(), root() + "/.local/share/termora/");
        qputenv("HOME", home);
    }

    void dataFolderOfAnInstalledProgram() {
        // The build tree or a portable copy: the data beside the program.
        QVERIFY(QDir(root()).mkpath("prefix/bin"));
        QCOMPARE(paths::dataDirOf(path("prefix/bin/")), path("prefix/bin/"));
        // Installed: share/termora of the same prefix.
        QVERIFY(QDir(root()).mkpath("prefix/share/termora"));
        QCOMPARE(paths::dataDirOf(path("prefix/bin/")), path("prefix/share/termora/"));
    }

private:
    QString root() const { return m_root->path(); }
    QString path(const QString& name) const { return m_root->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_root;
    QByteArray m_runtime;
    QByteArray m_tmpdir;
};

QTEST_GUILESS_MAIN(AppPathsTest)
#include "AppPathsTest.moc"

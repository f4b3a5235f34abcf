// Starting programs and finding the browsers installed on the system.

#include "common/RecordingProcessStarter.h"
#include "common/TestFiles.h"
#include "platform/BrowserCatalog.h"
#include "platform/LinkOpener.h"
#include "platform/ProcessStarter.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

using namespace termora;
using namespace termora::testing;

namespace {

// A script that writes its arguments, one a line, into the file "args" beside it.
void writeArgumentsScript(const QString& path) {
    QVERIFY(writeFile(path, "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$(dirname \"$0\")/args\"\n"));
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

QString startFailure(const QString& commandLine) {
    return userErrorOf([&] { StartProcess(commandLine, {}, false); });
}

}  // namespace

class ProcessAndBrowsersTest : public QObject {
    Q_OBJECT

private slots:
    void startsAProgramWithQuotedPathAndArguments_data() {
        QTest::addColumn<bool>("wait");
        QTest::newRow("waiting") << true;
        QTest::newRow("not waiting") << false;
    }
    void startsAProgramWithQuotedPathAndArguments() {
        QFETCH(bool, wait);
        QTemporaryDir dir;
        const QString script = dir.filePath("write args");
        writeArgumentsScript(script);
        const QString args = dir.filePath("args");
        // The appended argument is one argument, whatever it holds.
        StartProcess("\"" + script + "\" one \"two words\"", {"http://x.example/?a=1&b=\"2 3\"\t--x"}, wait);
        const QByteArray expected = "one\ntwo words\nhttp://x.example/?a=1&b=\"2 3\"\t--x\n";
        if (wait) QCOMPARE(readFile(args), expected);
        QTRY_COMPARE(readFile(args), expected);
    }

    void startsAProgramFromThePath() {
        QTemporaryDir dir;
        writeArgumentsScript(dir.filePath("termora-write-args"));
        const QByteArray path = qgetenv("PATH");
        const auto restorePath = qScopeGuard([&] { qputenv("PATH", path); });
        qputenv("PATH", QFile::encodeName(dir.path()) + ":" + path);
        StartProcess("termora-write-args found", {}, true);
        QCOMPARE(readFile(dir.filePath("args")), QByteArray("found\n"));
    }

    void onlyTheCommandLineIsSplit_data() {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("tab and option in the address")
            << "firefox" << "http://a.example/ram\t--renderer-cmd-prefix=touch /tmp/x"
            << QStringList{"firefox", "http://a.example/ram\t--renderer-cmd-prefix=touch /tmp/x"};
        QTest::newRow("line break in the address") << "firefox" << "http://a.example/a\nb"
                                                   << QStringList{"firefox", "http://a.example/a\nb"};
        QTest::newRow("quote in the address") << "firefox" << "http://a.example/ab%20c+d\"e"
                                              << QStringList{"firefox", "http://a.example/ab%20c+d\"e"};
        QTest::newRow("quoted program with its own argument")
            << "\"/opt/My Browser/run\" --private" << "http://a.example/x"
            << QStringList{"/opt/My Browser/run", "--private", "http://a.example/x"};
        QTest::newRow("three quotes stand for one") << "\"/opt/a\"\"\"b/run\"" << ""
                                                    << QStringList{"/opt/a\"b/run", ""};
    }
    void onlyTheCommandLineIsSplit() {
        QFETCH(QString, commandLine);
        QFETCH(QString, address);
        QFETCH(QStringList, words);
        ProcessRecorder processes;
        StartProcess(commandLine, {address}, false);
        QCOMPARE(processes.started, QList<QStringList>{words});
    }

    void quotedWordsReadBackUnchanged_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("quoted");
        QTest::newRow("plain path stays as it is") << "/usr/bin/firefox" << "/usr/bin/firefox";
        QTest::newRow("blank") << "/opt/My Browser/run" << "\"/opt/My Browser/run\"";
        QTest::newRow("tab") << "/opt/a\tb" << "\"/opt/a\tb\"";
        QTest::newRow("quote inside") << "/opt/a\"b" << "\"/opt/a\"\"\"b\"";
        QTest::newRow("quote at the start") << "\"a b" << "\"\"\"\"a b\"";
        QTest::newRow("quote at the end") << "a b\"" << "\"a b\"\"\"\"";
        QTest::newRow("quotes only") << "\"\"" << "\"\"\"\"\"\"\"\"";
        QTest::newRow("blank and quotes") << "/My \"Best\" Browser/run" << "\"/My \"\"\"Best\"\"\" Browser/run\"";
    }
    void quotedWordsReadBackUnchanged() {
        QFETCH(QString, word);
        QFETCH(QString, quoted);
        QCOMPARE(quoteCommandWord(word), quoted);
        QCOMPARE(QProcess::splitCommand(quoted), QStringList{word});
        QCOMPARE(QProcess::splitCommand(quoted + " --new-window"), (QStringList{word, "--new-window"}));
    }

    void failuresCarryTheSystemError_data() {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing program") << "/nonexistent/termora-browser http://x"
                                         << "System Error.  Code: 2.\r\nNo such file or directory";
        QTest::newRow("not on the path") << "termora-no-such-browser http://x"
                                         << "System Error.  Code: 2.\r\nNo such file or directory";
        QTest::newRow("empty command line") << "" << "System Error.  Code: 2.\r\nNo such file or directory";
        QTest::newRow("blank command line") << "   " << "System Error.  Code: 2.\r\nNo such file or directory";
        QTest::newRow("not executable") << "{dir}/plain.txt" << "System Error.  Code: 13.\r\nPermission denied";
    }
    void failuresCarryTheSystemError() {
        QFETCH(QString, commandLine);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("plain.txt"), "text\n"));
        QCOMPARE(startFailure(commandLine.replace("{dir}", dir.path())), message);
    }

    // The desktop's opener (a stand-in on PATH here) gets every address as
    // one argument, byte for byte.
    void linksReachTheOpenerExactlyAsBuilt_data() {
        QTest::addColumn<QString>("target");
        QTest::newRow("percent sign") << "http://www.abbreviations.com/5%%202B";
        QTest::newRow("plus and encoded blank") << "http://www.acronymfinder.com/~/search/af.aspx?string=exact&Acronym=R%2BD%20lab";
        QTest::newRow("raw blank and quote") << "http://www.abbreviations.com/a b\"c";
        QTest::newRow("empty host") << "http://.extensionfile.net/";
        QTest::newRow("plus signs in a host") << "http://c++.extensionfile.net/";
        QTest::newRow("local folder") << "/opt/termora/";
    }
    void linksReachTheOpenerExactlyAsBuilt() {
        QFETCH(QString, target);
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("xdg-open"), "#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" > \"${0%/*}/opened\"\n"));
        QFile::setPermissions(dir.filePath("xdg-open"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(dir.path()));
        DesktopLinkOpener().open(target);
        qputenv("PATH", path);
        QTRY_COMPARE(readFile(dir.filePath("opened")), "1|" + target.toUtf8());
    }

    void anOpenerThatCannotStartReportsNothing() {
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", "/nonexistent");
        DesktopLinkOpener().open("http://x.example/");
        qputenv("PATH", path);
    }

    void codeZeroHasItsOwnText() { QCOMPARE(systemErrorMessage(0), QString("A call to an OS function failed")); }

    void stripFieldCodes_data() {
        QTest::addColumn<QString>("exec");
        QTest::addColumn<QString>("command");
        QTest::newRow("url code") << "firefox %u" << "firefox";
        QTest::newRow("list code after an option") << "chromium --new-window %U" << "chromium --new-window";
        QTest::newRow("quoted path and argument kept")
            << "\"/opt/My Browser/run\" --private %U" << "\"/opt/My Browser/run\" --private";
        QTest::newRow("code inside an argument") << "app --url=%u --x" << "app --url= --x";
        QTest::newRow("several codes") << "app %i %c --x %k" << "app --x";
        QTest::newRow("code first") << "%k app" << "app";
        QTest::newRow("percent sign") << "app 100%% %f" << "app 100%";
        QTest::newRow("unknown code kept") << "app %z" << "app %z";
        QTest::newRow("nothing to strip") << "app -a" << "app -a";
    }
    void stripFieldCodes() {
        QFETCH(QString, exec);
        QFETCH(QString, command);
        QCOMPARE(termora::stripFieldCodes(exec), command);
    }

    void parseDesktopEntry() {
        const DesktopEntry entry = termora::parseDesktopEntry(
            "# comment\n[Desktop Entry]\nType=Application\nName=B\nCategories=Network;WebBrowser;\n"
            "Exec = /opt/a\\sb/run --x %u\nHidden=false\n[Desktop Action new]\nExec=/opt/other --new\n");
        QCOMPARE(entry.type, QString("Application"));
        QCOMPARE(entry.categories, (QStringList{"Network", "WebBrowser"}));
        QCOMPARE(entry.exec, QString("/opt/a b/run --x %u"));
        QVERIFY(!entry.hidden);
        QVERIFY(termora::parseDesktopEntry("[Desktop Entry]\nHidden=true\n").hidden);
    }

    void catalogWalksEveryEntryOfEveryDirectory() {
        QTemporaryDir home;
        QTemporaryDir system;
        const QByteArray browser = "[Desktop Entry]\nType=Application\nCategories=Network;WebBrowser;\nExec=";
        const QList<std::pair<QString, QByteArray>> files{
            {home.filePath("applications/firefox.desktop"), browser + "firefox %u\n"},
            {home.filePath("applications/kde/konq.desktop"), browser + "konqueror %U\n"},
            {home.filePath("applications/gone.desktop"), browser + "gone\nHidden=true\n"},
            {home.filePath("applications/viewer.desktop"),
             "[Desktop Entry]\nType=Application\nCategories=Graphics;\nExec=viewer %f\n"},
            {home.filePath("applications/notes.txt"), browser + "notes\n"},
            {system.filePath("applications/firefox.desktop"), browser + "/usr/lib/firefox/firefox %u\n"},
            {system.filePath("applications/gone.desktop"), browser + "gone\n"},
            {system.filePath("applications/a-quoted.desktop"), browser + "\"/opt/My Browser/run\" --private-window %U\n"},
            {system.filePath("applications/link.desktop"), "[Desktop Entry]\nType=Link\nCategories=WebBrowser;\nURL=http://x\n"},
        };
        for (const auto& [path, bytes] : files) QVERIFY(writeFile(path, bytes));

        const QList<RegisteredBrowser> expected{
            {"firefox.desktop", "firefox"},
            {"kde-konq.desktop", "konqueror"},
            {"a-quoted.desktop", "\"/opt/My Browser/run\" --private-window"},
        };
        QCOMPARE(BrowserCatalog({home.path(), system.path(), home.filePath("missing")}).browsers(), expected);
    }
};

QTEST_GUILESS_MAIN(ProcessAndBrowsersTest)
#include "ProcessAndBrowsersTest.moc"

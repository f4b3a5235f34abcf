// The online acronym search page: site buttons, the term field, the browser
// list and its file.

#include "AcronymSites.h"
#include "HangGuard.h"
#include "OnlineSearchPage.h"
#include "RecordingLinkOpener.h"
#include "RecordingProcessStarter.h"
#include "ScriptedDialogs.h"
#include "TestFiles.h"
#include "ui_OnlineSearchPage.h"

#include <QClipboard>
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace termora;
using namespace termora::testing;

namespace {

QStringList items(const QComboBox& box) {
    QStringList texts;
    for (int i = 0; i < box.count(); ++i) texts.append(box.itemText(i));
    return texts;
}


}  // namespace

class OnlineSearchPageTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_file = m_dir->filePath("config/Browser.dat");
        m_starting = m_dir->filePath("program/Browser.dat");
        m_page = std::make_unique<OnlineSearchPage>(nullptr, m_file, m_starting);
    }
    void cleanup() { m_page.reset(); }

    void siteButtonsOpenTheirSiteWithTheDefaultBrowser_data() {
        QTest::addColumn<QString>("button");
        for (const web::AcronymSite& site : web::kAcronymSites) QTest::newRow(site.button) << QString(site.button);
    }
    void siteButtonsOpenTheirSiteWithTheDefaultBrowser() {
        QFETCH(QString, button);
        LinkRecorder links;
        ProcessRecorder processes;
        form().txtAcr->setText("R+D lab");
        m_page->findChild<QPushButton*>(button)->click();
        QCOMPARE(links.opened, QStringList{web::siteSearchAddress(*web::findAcronymSite(button), "R+D lab")});
        QVERIFY(processes.started.isEmpty());
    }

    void anEmptyTermOpensNothing() {
        LinkRecorder links;
        form().acrAbbreviations->click();
        QVERIFY(links.opened.isEmpty());
    }

    void aBrowserOfTheListGetsTheAddressAfterItsEntry() {
        LinkRecorder links;
        ProcessRecorder processes;
        form().DefBrowse->setChecked(false);
        form().cmbBList->setEditText("\"/opt/My Browser/run\" --private");
        form().txtAcr->setText("R+D lab");
        form().acrAcronymattic->click();
        QCOMPARE(processes.started,
                 (QList<QStringList>{{"/opt/My Browser/run", "--private", "http://www.acronymattic.com/R%2BD+lab.html"}}));
        QCOMPARE(processes.waited, QList<bool>{false});
        QVERIFY(links.opened.isEmpty());
    }

    // Whatever a pasted term holds (tabs, line breaks, quotes), the address
    // reaches the browser as one argument, after the entry's own words.
    void theAddressIsOneArgumentWhateverTheTermHolds_data() {
        QTest::addColumn<QString>("term");
        QTest::addColumn<QString>("address");
        QTest::newRow("tab and an option") << "ram\t--renderer-cmd-prefix=touch /tmp/x"
                                           << "http://www.abbreviations.com/ram\t--renderer-cmd-prefix=touch%20/tmp/x";
        QTest::newRow("line break") << "ram\n--incognito" << "http://www.abbreviations.com/ram\n--incognito";
        QTest::newRow("quote") << "ab c+d\"e" << "http://www.abbreviations.com/ab%20c+d\"e";
        QTest::newRow("percent sign") << "5% 2B" << "http://www.abbreviations.com/5%%202B";
    }
    void theAddressIsOneArgumentWhateverTheTermHolds() {
        QFETCH(QString, term);
        QFETCH(QString, address);
        ProcessRecorder processes;
        enableList();
        form().cmbBList->setEditText("firefox --new-window");
        QGuiApplication::clipboard()->setText(term);
        form().txtAcr->setFocus();
        QTest::keyClick(form().txtAcr, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(form().txtAcr->text(), term);
        QTest::mouseClick(form().acrAbbreviations, Qt::LeftButton);
        QCOMPARE(processes.started, (QList<QStringList>{{"firefox", "--new-window", address}}));
    }

    void aBrowserThatCannotStartIsReported() {
        // The real starter, with a program that does not exist: nothing runs.
        form().DefBrowse->setChecked(false);
        form().cmbBList->setEditText("/nonexistent/termora-browser");
        form().txtAcr->setText("ram");
        // Called directly: Qt's widget code is built without exceptions, so the
        // error must not unwind through a click.
        QCOMPARE(userErrorOf([&] { m_page->MSSearch(form().Button9); }),
                 QString("System Error.  Code: 2.\r\nNo such file or directory"));
        QCOMPARE(form().txtAcr->text(), QString("ram"));
    }

    void escapeEmptiesTheTermField() {
        form().txtAcr->setText("ram");
        QTest::keyClick(form().txtAcr, Qt::Key_Escape);
        QCOMPARE(form().txtAcr->text(), QString());
        QTest::keyClicks(form().txtAcr, "ab");
        QCOMPARE(form().txtAcr->text(), QString("ab"));
    }

    void theLabelAsksForTheFullListing() {
        QSignalSpy asked(m_page.get(), &OnlineSearchPage::fullListingCodeRequested);
        QTest::mouseClick(form().Label10, Qt::RightButton);
        QCOMPARE(asked.count(), 0);
        QTest::mouseClick(form().Label10, Qt::LeftButton);
        QCOMPARE(asked.count(), 1);
    }

    void defaultBrowserSwitchGreysTheList() {
        const QList<QWidget*> listControls{form().cmbBList, form().btnDot, form().btnAdd3, form().btnRemove3, form().GFTC};
        QVERIFY(form().DefBrowse->isChecked());
        for (QWidget* control : listControls) QVERIFY(!control->isEnabled());
        form().DefBrowse->click();
        for (QWidget* control : listControls) QVERIFY(control->isEnabled());
        form().DefBrowse->click();
        for (QWidget* control : listControls) QVERIFY(!control->isEnabled());
    }

    void loadBrowserList_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("shown");
        QTest::newRow("sorted, first selected") << QByteArray("zeta\r\nAlpha\r\nbeta") << QStringList{"Alpha", "beta", "zeta"}
                                                << "Alpha";
        QTest::newRow("empty line kept") << QByteArray("b\n\na\n") << QStringList{"", "a", "b"} << "";
        QTest::newRow("empty file") << QByteArray() << QStringList{} << "";
    }
    void loadBrowserList() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, entries);
        QFETCH(QString, shown);
        QVERIFY(writeFile(m_file, bytes));
        m_page->loadBrowserList();
        QCOMPARE(items(*form().cmbBList), entries);
        QCOMPARE(form().cmbBList->currentIndex(), entries.isEmpty() ? -1 : 0);
        QCOMPARE(form().cmbBList->currentText(), shown);
    }

    void theListIsTheUsersOwn() {
        qputenv("XDG_CONFIG_HOME", m_dir->filePath("user config").toLocal8Bit());
        const QString own = m_dir->filePath("user config/Velmont/Browser.dat");
        QCOMPARE(OnlineSearchPage::defaultBrowserFile(), own);
        QCOMPARE(OnlineSearchPage::startingBrowserFile(), QCoreApplication::applicationDirPath() + "/Browser.dat");
        m_page = std::make_unique<OnlineSearchPage>();
        m_page->loadBrowserList();
        enableList();
        add("/usr/bin/firefox");
        QCOMPARE(readFile(own), QByteArray("/usr/bin/firefox\r\n"));
        QVERIFY(!QFile::exists(OnlineSearchPage::startingBrowserFile()));
    }

    void aListBesideTheProgramIsTheStartingList() {
        QVERIFY(writeFile(m_starting, "/opt/portable/browser\r\n"));
        m_page->loadBrowserList();
        QCOMPARE(items(*form().cmbBList), QStringList{"/opt/portable/browser"});
        enableList();
        add("/usr/bin/firefox");
        QCOMPARE(readFile(m_file), QByteArray("/opt/portable/browser\r\n/usr/bin/firefox\r\n"));
        QCOMPARE(readFile(m_starting), QByteArray("/opt/portable/browser\r\n"));

        // Once the user has a list of their own, it is the one read.
        QVERIFY(writeFile(m_file, "own\r\n"));
        m_page->loadBrowserList();
        QCOMPARE(items(*form().cmbBList), QStringList{"own"});
    }

    void loadingWithoutTheFileLeavesTheListEmpty() {
        m_page->loadBrowserList();
        QCOMPARE(form().cmbBList->count(), 0);
        QCOMPARE(form().cmbBList->currentIndex(), -1);
    }

    // Nothing that can sit under the name holds the window: a fifo, a device,
    // a list of megabytes are refused with a message.
    void aFileThatCannotBeReadIsReported_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder") << "folder" << "Is a directory";
        QTest::newRow("fifo") << "fifo" << "Not a regular file";
        QTest::newRow("link to an endless device") << "endless device" << "Not a regular file";
        QTest::newRow("megabytes of entries") << "long" << "File too large";
    }
    void aFileThatCannotBeReadIsReported() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        const HangGuard guard;
        if (kind == "long") QVERIFY(writeFile(m_file, QByteArray(100'000, 'x').append("\r\n").repeated(20)));
        else QVERIFY(putInPlaceOfFile(m_file, kind));
        QCOMPARE(userErrorOf([&] { m_page->loadBrowserList(); }), "Cannot open file \"" + m_file + "\". " + reason);
        QCOMPARE(form().cmbBList->count(), 0);
    }

    void addSortsInAndRewritesTheFile() {
        DialogScript dialogs;
        enableList();
        for (const char* entry : {"zeta", "Alpha", "beta"}) add(entry);
        QCOMPARE(items(*form().cmbBList), (QStringList{"Alpha", "beta", "zeta"}));
        QCOMPARE(readFile(m_file), QByteArray("Alpha\r\nbeta\r\nzeta\r\n"));
        QCOMPARE(form().cmbBList->currentText(), QString("beta"));
        QVERIFY(dialogs.messages.isEmpty());
    }

    void addReportsADuplicateIgnoringCase() {
        DialogScript dialogs;
        enableList();
        add("/usr/bin/Firefox");
        add("/USR/BIN/FIREFOX");
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].text, QString("\"/USR/BIN/FIREFOX\" is already exists !"));
        QCOMPARE(dialogs.messages[0].kind, Dialogs::Kind::Information);
        QCOMPARE(items(*form().cmbBList), QStringList{"/usr/bin/Firefox"});
        QCOMPARE(readFile(m_file), QByteArray("/usr/bin/Firefox\r\n"));
    }

    void addOfAnEmptyTextAddsAnEmptyEntry() {
        enableList();
        add("b");
        add("");
        QCOMPARE(items(*form().cmbBList), (QStringList{"", "b"}));
        QCOMPARE(readFile(m_file), QByteArray("\r\nb\r\n"));
    }

    void removeDeletesTheSelectedEntry() {
        QVERIFY(writeFile(m_file, "a\r\nb\r\nc\r\n"));
        m_page->loadBrowserList();
        enableList();
        form().cmbBList->setCurrentIndex(1);
        form().btnRemove3->click();
        QCOMPARE(items(*form().cmbBList), (QStringList{"a", "c"}));
        QCOMPARE(readFile(m_file), QByteArray("a\r\nc\r\n"));
    }

    void removeWithoutASelectionRewritesTheFileUnchanged() {
        QVERIFY(writeFile(m_file, "a\r\nb\r\n"));
        m_page->loadBrowserList();
        enableList();
        form().cmbBList->setEditText("typed, not an entry");
        QVERIFY(QFile::remove(m_file));
        form().btnRemove3->click();
        QCOMPARE(items(*form().cmbBList), (QStringList{"a", "b"}));
        QCOMPARE(readFile(m_file), QByteArray("a\r\nb\r\n"));
    }

    void anUnwritableConfigurationFolderIsReportedAndTheChangeKept() {
        QVERIFY(writeFile(m_dir->filePath("blocked"), "a file where the folder belongs"));
        const QString file = m_dir->filePath("blocked/Browser.dat");
        m_page = std::make_unique<OnlineSearchPage>(nullptr, file, m_starting);
        enableList();
        form().cmbBList->setEditText("/usr/bin/firefox");
        QCOMPARE(userErrorOf([&] { m_page->btnAdd3Click(); }), "Cannot create file \"" + file + "\". Not a directory");
        QCOMPARE(items(*form().cmbBList), QStringList{"/usr/bin/firefox"});
    }

    // A program in a folder with a blank is quoted, so that it still starts
    // and the entry saved by "Add" reads back as the same program.
    void aChosenProgramWithBlanksOrQuotesIsQuoted_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("text");
        QTest::newRow("blank") << "/opt/My Browser/run" << "\"/opt/My Browser/run\"";
        QTest::newRow("blank and quote") << "/opt/My \"Best\" Browser/run" << "\"/opt/My \"\"\"Best\"\"\" Browser/run\"";
    }
    void aChosenProgramWithBlanksOrQuotesIsQuoted() {
        QFETCH(QString, program);
        QFETCH(QString, text);
        DialogScript dialogs;
        ProcessRecorder processes;
        enableList();
        dialogs.fileAnswers.enqueue(program);
        QTest::mouseClick(form().btnDot, Qt::LeftButton);
        QCOMPARE(form().cmbBList->currentText(), text);
        QTest::mouseClick(form().btnAdd3, Qt::LeftButton);
        QCOMPARE(readFile(m_file), text.toUtf8() + "\r\n");

        m_page = std::make_unique<OnlineSearchPage>(nullptr, m_file, m_starting);
        m_page->loadBrowserList();
        enableList();
        form().txtAcr->setText("ram");
        QTest::mouseClick(form().acrAbbreviations, Qt::LeftButton);
        QCOMPARE(processes.started, (QList<QStringList>{{program, "http://www.abbreviations.com/ram"}}));
    }

    void browsePutsTheChosenProgramIntoTheText() {
        DialogScript dialogs;
        enableList();
        dialogs.fileAnswers.enqueue("/opt/browser/run");
        form().btnDot->click();
        QCOMPARE(form().cmbBList->currentText(), QString("/opt/browser/run"));
        QCOMPARE(form().cmbBList->count(), 0);
        form().btnDot->click();  // cancelled: the text stays
        QCOMPARE(form().cmbBList->currentText(), QString("/opt/browser/run"));
    }

    void getFromThisComputerAddsEveryInstalledBrowserOnce() {
        QTemporaryDir data;
        qputenv("XDG_DATA_HOME", data.filePath("home").toLocal8Bit());
        qputenv("XDG_DATA_DIRS", data.filePath("system").toLocal8Bit());
        const QByteArray browser = "[Desktop Entry]\nType=Application\nCategories=Network;WebBrowser;\nExec=";
        QVERIFY(writeFile(data.filePath("home/applications/a-first.desktop"), browser + "\"/opt/My Browser/run\" --private %U\n"));
        QVERIFY(writeFile(data.filePath("system/applications/firefox.desktop"), browser + "firefox %u\n"));
        QVERIFY(writeFile(data.filePath("system/applications/empty.desktop"), browser + "\n"));
        QVERIFY(writeFile(m_file, "FIREFOX\r\n"));
        m_page->loadBrowserList();
        enableList();

        form().GFTC->click();
        const QStringList expected{"\"/opt/My Browser/run\" --private", "FIREFOX"};
        QCOMPARE(items(*form().cmbBList), expected);
        QCOMPARE(readFile(m_file), QByteArray("\"/opt/My Browser/run\" --private\r\nFIREFOX\r\n"));
        QCOMPARE(form().cmbBList->currentText(), QString("FIREFOX"));

        form().GFTC->click();
        QCOMPARE(items(*form().cmbBList), expected);
    }

private:
    Ui::OnlineSearchPage& form() { return m_page->form(); }
    void enableList() { form().DefBrowse->setChecked(false); }
    void add(const QString& text) {
        form().cmbBList->setEditText(text);
        form().btnAdd3->click();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_file;       // the user's list
    QString m_starting;   // the list beside the program
    std::unique_ptr<OnlineSearchPage> m_page;
};

QTEST_MAIN(OnlineSearchPageTest)
#include "OnlineSearchPageTest.moc"

// The support, contributor and more-software pages on real widgets.

#include "base/TermoraConstants.h"
#include "common/RecordingLinkOpener.h"
#include "common/ScriptedDialogs.h"
#include "common/SupportTestHelpers.h"
#include "common/TestFiles.h"
#include "controls/TIntEdit.h"
#include "platform/AppPaths.h"
#include "platform/UserError.h"
#include "support/ContributorPage.h"
#include "support/GridText.h"
#include "support/MorePage.h"
#include "support/SupportData.h"
#include "support/SupportLinks.h"
#include "support/SupportPage.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace termora;
using namespace termora::testing;

namespace {

QStringList column(QTableView& grid, int column) {
    QStringList values;
    for (int row = 0; row < grid.model()->rowCount(); ++row) values.append(grid.model()->index(row, column).data().toString());
    return values;
}

// A shared temporary folder like /tmp of its own for every test, through
// TMPDIR, and no runtime folder: the pages keep their files in the private
// folder they make inside it.
class TempDirScope {
public:
    TempDirScope() : m_tmpdir(qgetenv("TMPDIR")), m_runtime(qgetenv("XDG_RUNTIME_DIR")) {
        ::chmod(QFile::encodeName(dir.path()).constData(), 01777);
        qputenv("TMPDIR", dir.path().toLocal8Bit());
        qunsetenv("XDG_RUNTIME_DIR");
    }
    ~TempDirScope() {
        qputenv("TMPDIR", m_tmpdir);
        qputenv("XDG_RUNTIME_DIR", m_runtime);
    }
    // A file of the private folder.
    static QString file(const QString& name) { return paths::tempFile(name); }
    // A file of the shared folder.
    QString shared(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;

private:
    QByteArray m_tmpdir;
    QByteArray m_runtime;
};

const char* const kListFiles[] = {"Contributor.txt", "more.txt"};

const QStringList kPrograms = {
    "Termora\t2016.08\tThis program\t5\thttp://own\t0\t",
    "Tom & Jerry\t2016.06\tCats & mice\t4\thttp://tj/download\t1\t",
    "Sharer\t2016.12\tHas a share link\t3\thttp://sharer/download\t2\thttp://sharer/share",
    "Termora\t2015.01\tListed twice\t5\thttp://own2\t0\t",
    "alpha\t2014.01\tLower-case name\t3\thttp://alpha\t3\t",
};

}  // namespace

class SupportPagesTest : public QObject {
    Q_OBJECT

private slots:
    void paymentAmounts_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("amountKey");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("amount");
        const std::pair<const char*, const char*> services[] = {{"imgCP", "amCP"}, {"btnSkrill", "amSkrill"}};
        for (const auto& [button, field] : services) {
            const QString key = QString(button) == "imgCP" ? "amountf" : "amount";
            QTest::addRow("%s 0", button) << button << field << key << "0" << "5" << "5";
            QTest::addRow("%s 12", button) << button << field << key << "12" << "12" << "12";
            QTest::addRow("%s empty", button) << button << field << key << "" << "5" << "5";
            QTest::addRow("%s 5-5", button) << button << field << key << "5-5" << "5" << "5";
            QTest::addRow("%s hex pasted", button) << button << field << key << "$1F" << "$1F" << "31";
            QTest::addRow("%s text pasted", button) << button << field << key << "5&merchant=x" << "5" << "5";
        }
    }
    void paymentAmounts() {
        QFETCH(QString, button);
        QFETCH(QString, field);
        QFETCH(QString, amountKey);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, amount);
        LinkRecorder links;
        SupportPage page;
        auto* edit = child<TIntEdit>(page, qPrintable(field));
        QCOMPARE(edit->Value(), 5);
        edit->setText(typed);
        child<QPushButton>(page, qPrintable(button))->click();
        QCOMPARE(edit->text(), shown);
        QCOMPARE(links.opened.size(), 1);
        const QUrlQuery query(QUrl(links.opened[0]));
        QCOMPARE(query.queryItemValue(amountKey), amount);
        QCOMPARE(query.queryItems().size(), button == "imgCP" ? 9 : 7);
    }

    // Reached with Tab, the amount keeps its text unselected: a typed digit
    // adds to it instead of replacing it.
    void amountFieldReachedWithTabKeepsItsText_data() {
        QTest::addColumn<QString>("tab");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("amountKey");
        QTest::newRow("CoinPayments") << "CoinPayments" << "amCP" << "imgCP" << "amountf";
        QTest::newRow("Skrill") << "Skrill" << "amSkrill" << "btnSkrill" << "amount";
    }
    void amountFieldReachedWithTabKeepsItsText() {
        QFETCH(QString, tab);
        QFETCH(QString, field);
        QFETCH(QString, button);
        QFETCH(QString, amountKey);
        LinkRecorder links;
        SupportPage page;
        page.show();
        page.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        QTabBar* tabs = child<QTabWidget>(page, "PageControl2")->tabBar();
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->tabText(i) == tab) QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(i).center());
        }
        auto* edit = child<TIntEdit>(page, qPrintable(field));
        QWidget* before = edit->previousInFocusChain();
        while (!(before->focusPolicy() & Qt::TabFocus) || !before->isVisible() || !before->isEnabled())
            before = before->previousInFocusChain();
        before->setFocus();
        QTest::keyClick(before, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), edit);
        QTest::keyClick(edit, '0');
        QCOMPARE(edit->text(), QString("50"));
        QTest::mouseClick(child<QPushButton>(page, qPrintable(button)), Qt::LeftButton);
        QCOMPARE(links.opened.size(), 1);
        QCOMPARE(QUrlQuery(QUrl(links.opened[0])).queryItemValue(amountKey), QString("50"));
    }

    void linksOfThePage() {
        LinkRecorder links;
        SupportPage page;
        for (const char* name : {"Image2", "Image5", "Image4", "Image3", "lblWallet", "lblCPSignUp", "lblPayeerSignUp",
                                 "lblSkrillSignUp", "btnPayeer1", "btnPayeer5", "btnPayeer10", "btnPayeer20",
                                 "btnPayeer30", "btnPayeer50", "btnPayeer100"}) {
            child<QWidget>(page, name)->show();  // the tabs are not all shown
            click(page, name);
        }
        QCOMPARE(links.opened,
                 (QStringList{support::facebookShareAddress(), support::twitterShareAddress(),
                              support::alternativeToAddress(), constants::kFanPage, support::kWalletSignUp,
                              support::kCoinPaymentsSignUp, support::kPayeerSignUp, support::kSkrillSignUp,
                              support::payeerAddress(1), support::payeerAddress(5), support::payeerAddress(10),
                              support::payeerAddress(20), support::payeerAddress(30), support::payeerAddress(50),
                              support::payeerAddress(100)}));
    }

    void copyButtonsBoxesAndTheWayToTheContributors() {
        DialogScript script;
        SupportPage page;
        const std::pair<const char*, const char*> wallets[] = {{"suBTC", "subBTC"}, {"suLTC", "subLTC"}, {"suDOGE", "subDOGE"}};
        for (const auto& [fieldName, buttonName] : wallets) {
            child<QLineEdit>(page, fieldName)->setText(QString("wallet of ") + fieldName);
            child<QPushButton>(page, buttonName)->click();
            QCOMPARE(QGuiApplication::clipboard()->text(), QString("wallet of ") + fieldName);
        }

        child<QPushButton>(page, "Image7")->click();
        QCOMPARE(script.inputs.size(), 1);
        QCOMPARE(script.inputs[0].caption, QString("Support Us"));
        QCOMPARE(script.inputs[0].prompt, QString("If you live in \"Indonesia\" and want to support our Software "
                                                  "Development.\r\rYou can send a Donation to Our \"Tri\" Modem Number :"));

        click(page, "btnDInfo");
        QCOMPARE(script.messages.size(), 1);
        QVERIFY(script.messages[0].text.startsWith("Your Donation will be used to :\r\r1. Keep our Software"));
        QVERIFY(script.messages[0].text.contains("2. Buy our own Domain && Web Hosting\r"));
        QCOMPARE(script.messages[0].kind, Dialogs::Kind::Information);

        QSignalSpy requested(&page, &SupportPage::pageRequested);
        click(page, "sBitBtn1");
        QCOMPARE(requested.count(), 1);
        QCOMPARE(requested[0][0].toString(), QString("shtContrib"));
    }

    void contributorList() {
        TempDirScope temp;
        LinkRecorder links;
        const QStringList lines = {
            QString::fromUtf8("Ana\thttp://ana\t-\thttp://tw/ana\t-\tReviewed it|Donated 5 €"),
            "Bo\t-\t-\t-\t-\tSpread the word",
        };
        ContributorPage page(lines, nullptr);
        auto* grid = child<QTableView>(page, "nxContributor");
        QCOMPARE(child<QLabel>(page, "lblCName")->text(), QString("-"));
        page.loadContributors();
        QCOMPARE(readFile(temp.file("Contributor.txt")), support::encodeUtf16Lines(lines));
        QCOMPARE(column(*grid, 0), (QStringList{"Ana", "Bo"}));
        QVERIFY(grid->isColumnHidden(5));

        grid->selectRow(0);
        QCOMPARE(child<QLabel>(page, "lblCName")->text(), QString("Ana"));
        QCOMPARE(child<QPlainTextEdit>(page, "mContribution")->toPlainText(), QString::fromUtf8("Reviewed it\nDonated 5 €"));
        const QList<std::pair<const char*, bool>> enabled = {{"cHome", true}, {"cFB", false}, {"cTwitter", true}, {"cGPlus", false}};
        for (const auto& [name, on] : enabled) QCOMPARE(child<QPushButton>(page, name)->isEnabled(), on);
        click(page, "cTwitter");
        QCOMPARE(links.opened, QStringList{"http://tw/ana"});

        grid->selectRow(1);
        for (const char* name : {"cHome", "cFB", "cTwitter", "cGPlus"}) QVERIFY(!child<QPushButton>(page, name)->isEnabled());
        grid->clearSelection();
        QCOMPARE(child<QLabel>(page, "lblCName")->text(), QString());

        // Read once per run: the file is not read again.
        QFile::remove(temp.file("Contributor.txt"));
        page.loadContributors();
        QCOMPARE(grid->model()->rowCount(), 2);
        QVERIFY(!QFile::exists(temp.file("Contributor.txt")));

        QSignalSpy requested(&page, &ContributorPage::pageRequested);
        click(page, "btnHTSU");
        QCOMPARE(requested.count(), 1);
        QCOMPARE(requested[0][0].toString(), QString("shtSupport"));
    }

    void aFailedLoadIsTriedAgain() {
        TempDirScope temp;
        // A folder standing under a list's file name blocks its write.
        for (const char* name : kListFiles) QVERIFY(QDir().mkdir(temp.file(name)));
        ContributorPage contributors;
        MorePage more;
        QVERIFY_THROWS_EXCEPTION(UserError, contributors.loadContributors());
        QVERIFY_THROWS_EXCEPTION(UserError, more.loadMoreSoftware());
        QCOMPARE(child<QTableView>(contributors, "nxContributor")->model()->rowCount(), 0);
        QCOMPARE(child<QTableView>(more, "nxMore")->model()->rowCount(), 0);
        for (const char* name : kListFiles) QVERIFY(QDir().rmdir(temp.file(name)));
        contributors.loadContributors();
        more.loadMoreSoftware();
        QCOMPARE(child<QTableView>(contributors, "nxContributor")->model()->rowCount(), support::contributorLines().size());
        QCOMPARE(child<QTableView>(more, "nxMore")->model()->rowCount(), support::moreSoftwareLines().size() - 1);
    }

    void anotherUsersListsInTheSharedFolderAreLeftAlone_data() {
        QTest::addColumn<bool>("folders");   // folders cannot be replaced, even by root
        QTest::newRow("files") << false;
        QTest::newRow("folders") << true;
    }
    void anotherUsersListsInTheSharedFolderAreLeftAlone() {
        QFETCH(bool, folders);
        TempDirScope temp;
        const QByteArray planted = "Planted\t2099.01\tNot ours\t5\thttp://planted.example\t0\t\r\n";
        for (const char* name : kListFiles) {
            QVERIFY(folders ? QDir().mkpath(temp.shared(name) + "/inside") : writeFile(temp.shared(name), planted));
        }
        ContributorPage contributors;
        MorePage more;
        contributors.loadContributors();
        more.loadMoreSoftware();
        QCOMPARE(child<QTableView>(contributors, "nxContributor")->model()->rowCount(), support::contributorLines().size());
        QCOMPARE(child<QTableView>(more, "nxMore")->model()->rowCount(), support::moreSoftwareLines().size() - 1);
        QVERIFY(!column(*child<QTableView>(more, "nxMore"), 0).contains("Planted"));
        for (const char* name : kListFiles) {
            if (folders) QVERIFY(QFileInfo(temp.shared(name) + "/inside").isDir());
            else QCOMPARE(readFile(temp.shared(name)), planted);
        }
    }

    void aMissingTemporaryFolderIsNeverTheRootFolder() {
        const QByteArray tmpdir = qgetenv("TMPDIR");
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        QTemporaryDir gone;
        qputenv("TMPDIR", gone.filePath("missing").toLocal8Bit());
        qunsetenv("XDG_RUNTIME_DIR");
        const QString expected = QString("/tmp/termora-%1/Contributor.txt").arg(::geteuid());
        QFile::remove(expected);
        ContributorPage page;
        page.loadContributors();
        QCOMPARE(child<QTableView>(page, "nxContributor")->model()->rowCount(), support::contributorLines().size());
        QVERIFY(QFile::remove(expected));
        qputenv("TMPDIR", tmpdir);
        qputenv("XDG_RUNTIME_DIR", runtime);
    }

    void moreSoftwareList() {
        TempDirScope temp;
        MorePage page(kPrograms, nullptr);
        auto* grid = child<QTableView>(page, "nxMore");
        page.loadMoreSoftware();
        QCOMPARE(readFile(temp.file("more.txt")), support::encodeCp1252Lines(kPrograms));
        QCOMPARE(column(*grid, 0), (QStringList{"Sharer", "Termora", "Tom & Jerry", "alpha"}));
        QCOMPARE(column(*grid, 1), (QStringList{"2016.12", "2016.08", "2016.06", "2014.01"}));
        for (int hidden : {4, 5, 6}) QVERIFY(grid->isColumnHidden(hidden));

        // A click on the name title sorts ignoring case; a second opening
        // neither reloads nor reorders.
        grid->sortByColumn(0, Qt::AscendingOrder);
        const QStringList byName = {"alpha", "Sharer", "Termora", "Tom & Jerry"};
        QCOMPARE(column(*grid, 0), byName);
        QFile::remove(temp.file("more.txt"));
        page.loadMoreSoftware();
        QCOMPARE(column(*grid, 0), byName);
        QVERIFY(!QFile::exists(temp.file("more.txt")));
    }

    void moreSoftwareDetailsAndDownload() {
        TempDirScope temp;
        LinkRecorder links;
        MorePage page(kPrograms, nullptr);
        page.show();
        page.loadMoreSoftware();
        auto* grid = child<QTableView>(page, "nxMore");
        auto* share = child<QCheckBox>(page, "chkShare");
        auto* download = child<QPushButton>(page, "msDownload");
        QVERIFY(!download->isVisible());
        download->click();
        QVERIFY(links.opened.isEmpty());

        grid->selectRow(2);  // Tom & Jerry: no share link
        QCOMPARE(child<QLabel>(page, "lblPName")->text(), QString("Tom & Jerry 2016.06"));
        QCOMPARE(child<QLabel>(page, "lblPDetails")->text(), QString("Cats & mice"));
        QVERIFY(download->isVisible());
        QVERIFY(!share->isVisible());
        QVERIFY(share->isChecked());
        download->click();

        grid->selectRow(0);  // Sharer
        QVERIFY(share->isVisible());
        download->click();
        share->click();
        QCOMPARE(share->text(), QString("Share :("));
        download->click();
        share->click();
        QCOMPARE(share->text(), QString("Share :)"));
        QCOMPARE(links.opened, (QStringList{"http://tj/download", "http://sharer/share", "http://sharer/download"}));

        grid->clearSelection();
        QVERIFY(!download->isVisible());
        QVERIFY(!child<QLabel>(page, "lblPName")->isVisible());
    }
};

QTEST_MAIN(SupportPagesTest)
#include "SupportPagesTest.moc"

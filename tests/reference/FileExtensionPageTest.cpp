// The file-extension page over archives made in the test: choosing a
// category, failures that keep the list, and the site buttons.

#include "common/FixtureArchive.h"
#include "common/HangGuard.h"
#include "common/ItemViewInput.h"
#include "common/RecordingLinkOpener.h"
#include "common/ScriptedDialogs.h"
#include "reference/FileExtensionPage.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <map>
#include <string>

#include <sys/stat.h>

using namespace termora;
using testing::Packing;
using testing::clickRow;
using testing::drawnHighlighted;

namespace {

const std::string kAudio = "wav=WAV audio\r\nMP3=MP3 audio\r\naac=AAC audio\r\nmp3=MP3 audio\r\n";
const std::string kVideo = "mp4=MPEG-4 video\nAVI=AVI video\n";

std::string repeated(const std::string& text, int times) {
    std::string out;
    out.reserve(text.size() * std::size_t(times));
    for (int i = 0; i < times; ++i) out += text;
    return out;
}

}  // namespace

class FileExtensionPageTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString archive() const { return m_dir.filePath("FileExtension.db"); }

    void writeArchive(std::vector<testing::FixtureMember> members) {
        testing::writeArchive(archive().toStdString(), members);
    }

    struct Page {
        FileExtensionPage widget;
        QListWidget* categories;
        QTableView* list;
        QLabel* count;

        explicit Page(const QString& archive) {
            widget.setArchivePath(archive);
            widget.show();
            // Active, so that a click moves the focus as it does for a user.
            widget.activateWindow();
            categories = widget.findChild<QListWidget*>("ListBox1");
            list = widget.findChild<QTableView*>("FileExt");
            count = widget.findChild<QLabel*>("lbltot");
            // Fails the running test; a constructor returns here all the same.
            QVERIFY2(QTest::qWaitForWindowActive(&widget), "the page did not become the active window");
        }
        void choose(const QString& category) {
            const auto items = categories->findItems(category, Qt::MatchExactly);
            QVERIFY2(items.size() == 1, qPrintable("no category " + category));
            QTest::mouseClick(categories->viewport(), Qt::LeftButton, {},
                              categories->visualItemRect(items.first()).center());
        }
        // Every category begins inside the list: all four columns in view at once.
        bool allCategoriesInView() const {
            for (int row = 0; row < categories->count(); ++row) {
                const QRect rect = categories->visualItemRect(categories->item(row));
                if (!categories->viewport()->rect().contains(rect.topLeft()) ||
                    !categories->viewport()->rect().contains(rect.bottomLeft()))
                    return false;
            }
            return true;
        }
        QStringList rows() const {
            QStringList texts;
            for (int row = 0; row < list->model()->rowCount(); ++row)
                texts.append(list->model()->index(row, 0).data().toString() + "=" +
                             list->model()->index(row, 1).data().toString());
            return texts;
        }
        void press(const char* button) { QTest::mouseClick(widget.findChild<QPushButton*>(button), Qt::LeftButton); }
    };

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void startsWithTheCategoriesAndOneEmptyRow() {
        Page page(archive());
        QCOMPARE(page.categories->count(), 22);
        QCOMPARE(page.categories->item(0)->text(), QString("Abbreviation File"));
        QCOMPARE(page.categories->item(21)->text(), QString("( SHOW ALL )"));
        QVERIFY(page.categories->selectedItems().isEmpty());
        QCOMPARE(page.rows(), QStringList{"="});
        QCOMPARE(page.count->text(), QString("[ 0 ]"));
        // The empty row is no selection: nothing is drawn highlighted.
        QVERIFY(!drawnHighlighted(*page.list, page.list->model()->index(0, 0)));
        QVERIFY(!drawnHighlighted(*page.list, page.list->model()->index(0, 1)));
        QCOMPARE(page.list->model()->headerData(0, Qt::Horizontal).toString(), QString("Extension"));
        QCOMPARE(page.list->model()->headerData(1, Qt::Horizontal).toString(), QString("Description"));
        QVERIFY(page.allCategoriesInView());
    }

    void categoriesKeepFourColumnsWhenTheListIsScaled() {
        Page page(archive());
        page.categories->resize(700, 140);  // as a scaling pass of the window sizes it
        QFont larger = page.categories->font();
        larger.setPointSize(larger.pointSize() + 2);
        page.categories->setFont(larger);
        QCoreApplication::processEvents();
        QCOMPARE(testing::columnsInView(*page.categories), 4);
        QVERIFY(page.allCategoriesInView());
    }

    void choosingACategoryListsItsMemberSorted_data() {
        QTest::addColumn<int>("packing");
        QTest::newRow("deflated") << int(Packing::Deflated);
        QTest::newRow("stored") << int(Packing::Stored);
    }
    void choosingACategoryListsItsMemberSorted() {
        QFETCH(int, packing);
        writeArchive({{"Audio File.txt", kAudio, Packing(packing)},
                      {"( SHOW ALL ).txt", kAudio + kVideo, Packing(packing)}});
        Page page(archive());
        page.choose("Audio File");
        QCOMPARE(page.rows(), (QStringList{"aac=AAC audio", "MP3=MP3 audio", "mp3=MP3 audio", "wav=WAV audio"}));
        QCOMPARE(page.count->text(), QString("[ 4 ]"));
        page.choose("( SHOW ALL )");
        QCOMPARE(page.count->text(), QString("[ 6 ]"));
        QCOMPARE(page.rows().at(1), QString("AVI=AVI video"));
    }

    void failuresShowTheReadersMessageAndKeepTheList_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message");
        QTest::newRow("no archive") << "no archive" << "Cannot open archive";
        QTest::newRow("not an archive") << "not an archive" << "Not a zip archive";
        QTest::newRow("missing member") << "missing member" << "Cannot extract \"Video File.txt\"";
        QTest::newRow("damaged member") << "damaged member" << "Cannot extract \"Video File.txt\"";
        // Small archives whose member would freeze the page or exhaust memory.
        const QString member = "Cannot extract \"Video File.txt\" from \"" + archive() + "\": ";
        QTest::newRow("line breaks only") << "line breaks only" << member + "the member has more than 100000 lines";
        QTest::newRow("lines of =") << "lines of =" << member + "the member has more than 100000 lines";
        QTest::newRow("one long line") << "one long line" << member + "line 1 of the member is longer than 4096 bytes";
        QTest::newRow("expands too far") << "expands too far" << member + "the member expands to more than 8388608 bytes";
        QTest::newRow("archive is a fifo") << "fifo" << "Cannot open archive \"" + archive() + "\": Not a regular file";
    }
    void failuresShowTheReadersMessageAndKeepTheList() {
        QFETCH(QString, fault);
        QFETCH(QString, message);
        writeArchive({{"Audio File.txt", kAudio}});
        Page page(archive());
        page.choose("Audio File");
        const QStringList before = page.rows();

        QFile::remove(archive());
        const std::map<QString, std::string> hostile{
            {"line breaks only", std::string(200'000, '\n')},
            {"lines of =", repeated("=\r\n", 200'000)},
            {"one long line", std::string(1'000'000, 'a')},
            {"expands too far", repeated(std::string(99, 'x') + '\n', 95'000)},
        };
        if (fault == "not an archive") {
            QFile file(archive());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("mp4=MPEG-4 video\r\n");
        } else if (fault == "missing member") {
            writeArchive({{"Audio File.txt", kAudio}});
        } else if (fault == "damaged member") {
            writeArchive({{"Audio File.txt", kAudio}, {"Video File.txt", kVideo + kVideo + kVideo}});
            testing::damageMember(archive().toStdString(), "Video File.txt");
        } else if (fault == "fifo") {
            QVERIFY(::mkfifo(QFile::encodeName(archive()).constData(), 0600) == 0);
        } else if (hostile.count(fault) != 0) {
            writeArchive({{"Audio File.txt", kAudio}, {"Video File.txt", hostile.at(fault)}});
        }
        const testing::HangGuard guard;
        testing::DialogScript dialogs;
        page.choose("Video File");
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY2(dialogs.messages.first().text.contains(message), qPrintable(dialogs.messages.first().text));
        QCOMPARE(dialogs.messages.first().kind, Dialogs::Kind::Error);
        QCOMPARE(page.rows(), before);
        QCOMPARE(page.count->text(), QString("[ 4 ]"));
        QFile::remove(archive());
    }

    void choosingTheSameCategoryAgainRereadsIt() {
        writeArchive({{"Audio File.txt", kAudio}, {"Video File.txt", kVideo}});
        Page page(archive());
        page.choose("Audio File");
        QCOMPARE(page.count->text(), QString("[ 4 ]"));
        writeArchive({{"Audio File.txt", "ogg=Ogg audio\r\n"}, {"Video File.txt", kVideo}});
        page.choose("Audio File");
        QCOMPARE(page.rows(), QStringList{"ogg=Ogg audio"});
        QCOMPARE(page.count->text(), QString("[ 1 ]"));
    }

    void eachChoiceReadsOnce() {
        testing::DialogScript dialogs;
        Page page(m_dir.filePath("missing.db"));
        page.choose("Abbreviation File");  // the list's first item, before it is current
        QCOMPARE(dialogs.messages.size(), 1);
        page.choose("Archive File");
        QCOMPARE(dialogs.messages.size(), 2);
        page.choose("Archive File");  // again: read again
        QCOMPARE(dialogs.messages.size(), 3);
    }

    void keyboardChoiceReadsTheCategory() {
        writeArchive({{"Audio File.txt", kAudio}, {"Video File.txt", kVideo}});
        testing::DialogScript dialogs;
        Page page(archive());
        page.choose("Unknown File");  // not in this archive: one error
        QCOMPARE(dialogs.messages.size(), 1);
        QTest::keyClick(page.categories, Qt::Key_Down);
        QCOMPARE(page.categories->currentItem()->text(), QString("Video File"));
        QCOMPARE(page.rows(), (QStringList{"AVI=AVI video", "mp4=MPEG-4 video"}));
        QCOMPARE(dialogs.messages.size(), 1);
    }

    void siteButtonsOpenTheCurrentExtension_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("address");
        QTest::newRow("FileInfo") << "Button12" << "FileInfo" << "http://www.fileinfo.com/extension/mp3";
        QTest::newRow("File-Extension-Library")
            << "Button11" << "File-Extension-Library" << "http://mp3.extensionfile.net/";
        QTest::newRow("FileExt") << "Button7" << "FileExt" << "http://filext.com/file-extension/mp3";
        QTest::newRow("DotWhat?") << "Button15" << "DotWhat?" << "http://www.dotwhat.net/search/mp3";
        QTest::newRow("FileSuffix") << "Button10" << "FileSuffix" << "http://www.filesuffix.com/extension/mp3";
        QTest::newRow("search query") << "Button16" << "File-Extensions.org"
                                      << "http://www.file-extensions.org/search/?searchstring=mp3";
        QTest::newRow("files path") << "Button8" << "OpenWith.org" << "http://www.openwith.org/files/mp3/";
    }
    void siteButtonsOpenTheCurrentExtension() {
        QFETCH(QString, button);
        QFETCH(QString, caption);
        QFETCH(QString, address);
        writeArchive({{"Audio File.txt", kAudio}});
        Page page(archive());
        auto* site = page.widget.findChild<QPushButton*>(button);
        QCOMPARE(site->text(), caption);
        QCOMPARE(site->parentWidget(), page.widget.findChild<QGroupBox*>("GroupBox2"));
        testing::LinkRecorder links;
        page.choose("Audio File");
        clickRow(*page.list, 2);  // mp3
        page.press(qPrintable(button));
        QCOMPARE(links.opened, QStringList{address});
    }

    void siteButtonBeforeAnyCategoryOpensAnEmptyExtension() {
        Page page(archive());
        testing::LinkRecorder links;
        page.press("Button12");
        page.press("Button11");
        QCOMPARE(links.opened, (QStringList{"http://www.fileinfo.com/extension/", "http://.extensionfile.net/"}));
    }
};

QTEST_MAIN(FileExtensionPageTest)
#include "FileExtensionPageTest.moc"

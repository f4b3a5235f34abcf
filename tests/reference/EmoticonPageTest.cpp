// The emoticon page: its rows and pictures, copying the first shortcut.

#include "common/ItemViewInput.h"
#include "reference/EmoticonList.h"
#include "reference/EmoticonPage.h"
#include "reference/EmoticonPictures.h"

#include <QClipboard>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace termora;
using namespace termora::reference;
using termora::testing::clickRow;
using termora::testing::drawnHighlighted;
using termora::testing::onScreen;

class EmoticonPageTest : public QObject {
    Q_OBJECT

    static int rowNamed(const QTableWidget& list, const QString& name) {
        const auto found = list.findItems(name, Qt::MatchExactly);
        return found.isEmpty() ? -1 : found.first()->row();
    }

private slots:
    void listsEveryEmoticonWithPictureAndShortcuts() {
        EmoticonPage page;
        auto* list = page.findChild<QTableWidget*>("lstFE");
        QCOMPARE(list->rowCount(), 28);
        QCOMPARE(list->columnCount(), 6);
        QCOMPARE(list->horizontalHeaderItem(0)->text(), QString("Emoticons + Name"));
        QCOMPARE(list->horizontalHeaderItem(5)->text(), QString("Shortcut 5"));
        for (int row = 0; row < 28; ++row) {
            const Emoticon& emoticon = kEmoticons[std::size_t(row)];
            QCOMPARE(list->item(row, 0)->text(), QString::fromUtf8(emoticon.name.data(), qsizetype(emoticon.name.size())));
            QVERIFY(!list->item(row, 0)->icon().isNull());
            for (std::size_t i = 0; i < 5; ++i) {
                const QTableWidgetItem* item = list->item(row, 1 + int(i));
                QCOMPARE(item ? item->text() : QString(),
                         QString::fromUtf8(emoticon.shortcuts[i].data(), qsizetype(emoticon.shortcuts[i].size())));
            }
        }
        QCOMPARE(list->item(16, 3)->text(), QString(":\\"));
    }

    void picturesAreSixteenSquareDrawnAndDistinct() {
        QList<QImage> pictures;
        for (std::size_t row = 0; row < kEmoticons.size(); ++row) {
            const QImage picture = emoticonPicture(row);
            QCOMPARE(picture.size(), QSize(16, 16));
            int opaque = 0;
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x) opaque += qAlpha(picture.pixel(x, y)) > 128;
            QVERIFY2(opaque > 40, kEmoticons[row].name.data());
            for (const QImage& other : pictures) QVERIFY2(picture != other, kEmoticons[row].name.data());
            pictures.append(picture);
        }
    }

    void copyingPutsTheFirstShortcutOnTheClipboard_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<QString>("copied");
        QTest::newRow("no selection keeps the clipboard") << QString() << false << "kept";
        QTest::newRow("Smile: the first of four") << "Smile" << false << ":-)";
        QTest::newRow("Unsure: a backslash shortcut row") << "Unsure" << false << ":/";
        QTest::newRow("double-click on Heart") << "Heart" << true << "<3";
        QTest::newRow("double-click on Penguin") << "Penguin" << true << "<(\")";
    }
    void copyingPutsTheFirstShortcutOnTheClipboard() {
        QFETCH(QString, name);
        QFETCH(bool, doubleClick);
        QFETCH(QString, copied);
        EmoticonPage page;
        page.show();
        page.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        auto* list = page.findChild<QTableWidget*>("lstFE");
        QGuiApplication::clipboard()->setText("kept");
        if (!name.isEmpty()) clickRow(*list, rowNamed(*list, name));
        if (doubleClick) {
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->currentItem()).center());
        } else {
            QTest::mouseClick(page.findChild<QPushButton*>("Button4"), Qt::LeftButton);
        }
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);
        // The selected row stays highlighted after the focus has moved to the button.
        if (!name.isEmpty()) QVERIFY(drawnHighlighted(*list, list->currentIndex()));
    }

    void selectingARowLeavesTheHeaderAsDrawn() {
        EmoticonPage page;
        page.show();
        page.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        auto* list = page.findChild<QTableWidget*>("lstFE");
        const QImage before = onScreen(*list->horizontalHeader());
        clickRow(*list, rowNamed(*list, "Tongue"));  // five shortcuts: every header column
        QCOMPARE(onScreen(*list->horizontalHeader()), before);
    }
};

QTEST_MAIN(EmoticonPageTest)
#include "EmoticonPageTest.moc"

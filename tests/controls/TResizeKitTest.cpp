// The form scaling kit on a small window of its own, on the offscreen
// platform with a screen given by the test.

#include "controls/TResizeKit.h"
#include "platform/UserError.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QtTest>

using namespace termora;

namespace {

// 400 x 300 client: a header strip at the corner, a caption that follows the
// window's font, a button with its own font, a list, a tab page with an
// edit field and a small frame.
class SampleWindow : public QWidget {
public:
    explicit SampleWindow(Qt::WindowFlags flags = {}) : QWidget(nullptr, flags) {
        setObjectName("SampleFrm");
        QFont font = this->font();
        font.setPointSize(8);
        setFont(font);
        resize(400, 300);

        header = place(new QFrame(this), "Header", {0, 0, 400, 40});
        caption = place(new QLabel("Termora", header), "Caption", {10, 10, 120, 20});
        go = place(new QPushButton("Go", this), "Go", {300, 260, 80, 24});
        QFont bold = go->font();
        bold.setPointSize(10);
        bold.setBold(true);
        go->setFont(bold);
        list = place(new QListWidget(this), "List", {10, 50, 180, 200});
        list->addItems({"ASAP", "FYI", "RAM"});
        pages = place(new QTabWidget(this), "Pages", {200, 50, 190, 200});
        auto* page = new QWidget;
        page->setObjectName("Page1");
        pages->addTab(page, "One");
        edit = place(new QLineEdit(page), "Edit", {10, 10, 100, 22});
        corner = place(new QFrame(this), "Corner", {350, 10, 40, 20});
        corner->setFrameShape(QFrame::Box);
        notice = place(new QLabel("Free dictionary", this), "Notice", {10, 260, 200, 20});
        notice->setStyleSheet("color: navy;");
    }

    template <class W>
    W* place(W* widget, const char* name, QRect bounds) {
        widget->setObjectName(name);
        widget->setGeometry(bounds);
        return widget;
    }

    QFrame* header;
    QLabel* caption;
    QPushButton* go;
    QListWidget* list;
    QTabWidget* pages;
    QLineEdit* edit;
    QFrame* corner;
    QLabel* notice;
};

// 1024 x 768 with a 40 pixel panel at the bottom.
TResizeKit::Screen panelScreen(const QWidget&) { return {{0, 0, 1024, 768}, {0, 0, 1024, 728}, {96, 96}}; }

// The frame the offscreen platform draws around windows.
QSize frameOf(const QWidget& window) { return window.frameGeometry().size() - window.size(); }

}  // namespace

class TResizeKitTest : public QObject {
    Q_OBJECT

    std::unique_ptr<SampleWindow> window;
    TResizeKit* kit = nullptr;

    void showSample(Qt::WindowFlags flags = {}) {
        window = std::make_unique<SampleWindow>(flags);
        kit = new TResizeKit(window.get());
        kit->setScreenSource(panelScreen);
    }

private slots:
    void cleanup() {
        kit = nullptr;
        window.reset();
    }

    void scalingPassFollowsTheClientSize_data() {
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("bounds");
        QTest::addColumn<int>("pointSize");
        // Double width: widths and left positions double, fonts stay.
        QTest::newRow("caption, double width") << QSize(800, 300) << "Caption" << QRect(20, 10, 240, 20) << 8;
        QTest::newRow("button, double width") << QSize(800, 300) << "Go" << QRect(600, 260, 160, 24) << 10;
        QTest::newRow("header at the corner") << QSize(800, 300) << "Header" << QRect(1, 1, 800, 40) << 8;
        QTest::newRow("tab page content") << QSize(800, 300) << "Edit" << QRect(20, 10, 200, 22) << 8;
        QTest::newRow("tab widget") << QSize(800, 300) << "Pages" << QRect(400, 50, 380, 200) << 8;
        // Half size: fonts scale, the window's rounded, own fonts truncated.
        QTest::newRow("caption, half size") << QSize(200, 150) << "Caption" << QRect(5, 5, 60, 10) << 4;
        QTest::newRow("button, half size") << QSize(200, 150) << "Go" << QRect(150, 130, 40, 12) << 5;
        QTest::newRow("button, wider and lower") << QSize(600, 330) << "Go" << QRect(450, 286, 120, 26) << 11;
        // Back at the design size: the reference bounds, 0 becoming 1.
        QTest::newRow("caption, design size") << QSize(400, 300) << "Caption" << QRect(10, 10, 120, 20) << 8;
        QTest::newRow("header, design size") << QSize(400, 300) << "Header" << QRect(1, 1, 400, 40) << 8;
    }
    void scalingPassFollowsTheClientSize() {
        QFETCH(QSize, client);
        QFETCH(QString, control);
        QFETCH(QRect, bounds);
        QFETCH(int, pointSize);
        showSample();
        window->show();
        window->resize(800, 600);
        window->resize(client);
        auto* widget = window->findChild<QWidget*>(control);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), bounds);
        QCOMPARE(widget->font().pointSize(), pointSize);
        QCOMPARE(window->go->font().bold(), true);
    }

    void styledControlScalesItsFont() {
        // Qt gives a control with a style sheet the application's font, not
        // its parent's: the kit scales it as a font of its own.
        showSample();
        window->show();
        const int designSize = window->notice->font().pointSize();
        window->resize(800, 600);
        QCOMPARE(window->notice->font().pointSize(), 2 * designSize);
        window->resize(400, 300);
        QCOMPARE(window->notice->font().pointSize(), designSize);
    }

    void compositeControlsKeepTheirInnerLayout() {
        showSample();
        window->show();
        window->resize(800, 600);
        QCOMPARE(window->list->geometry(), QRect(20, 100, 360, 400));
        // The list places its own viewport and scroll bars.
        QWidget* viewport = window->list->viewport();
        QVERIFY(window->list->rect().contains(viewport->geometry()));
        QVERIFY(viewport->width() > 300);
        QCOMPARE(window->pages->currentWidget()->objectName(), QString("Page1"));
        QVERIFY(window->pages->rect().contains(window->pages->currentWidget()->geometry()));
    }

    void exitResizeReportsTheFactorsAndMinimizingRunsNoPass() {
        showSample();
        QSignalSpy passes(kit, &TResizeKit::exitResize);
        window->show();
        passes.clear();
        window->resize(800, 150);
        QCOMPARE(passes.count(), 1);
        QCOMPARE(passes.at(0).at(1).toDouble(), 2.0);
        QCOMPARE(passes.at(0).at(2).toDouble(), 0.5);
        QCOMPARE(kit->fontScale(), 0.5);

        window->setWindowState(Qt::WindowMinimized);
        passes.clear();
        window->resize(400, 300);
        QCOMPARE(passes.count(), 0);
        QCOMPARE(window->go->geometry(), QRect(600, 130, 160, 12));
        window->setWindowState(Qt::WindowNoState);
        QTRY_VERIFY(passes.count() > 0);
        QCOMPARE(window->go->geometry(), QRect(300, 260, 80, 24));
    }

    void firstShowPlacesTheWindowInTheFreeArea_data() {
        QTest::addColumn<int>("pos");
        QTest::addColumn<QSize>("formSize");
        QTest::addColumn<QRect>("outer");
        QTest::newRow("middle centre") << int(TResizeFormPos::rpMiddleCenter) << QSize(761, 661) << QRect(131, 33, 761, 661);
        QTest::newRow("bottom right") << int(TResizeFormPos::rpBottomRight) << QSize(761, 661) << QRect(263, 67, 761, 661);
        QTest::newRow("larger than the free area") << int(TResizeFormPos::rpTopLeft) << QSize(1100, 800) << QRect(0, 0, 1024, 728);
    }
    void firstShowPlacesTheWindowInTheFreeArea() {
        QFETCH(int, pos);
        QFETCH(QSize, formSize);
        QFETCH(QRect, outer);
        showSample();
        kit->setFormPos(TResizeFormPos(pos));
        kit->setFormWidth(formSize.width());
        kit->setFormHeight(formSize.height());
        window->move(500, 400);
        window->show();
        QCOMPARE(window->frameGeometry(), outer);
    }

    void ownSizeGrowsByOnePixelAtFirstShow() {
        showSample();
        kit->setFormPos(TResizeFormPos::rpTopCenter);
        window->show();
        const QSize outer = QSize(401, 301) + frameOf(*window);
        QCOMPARE(window->frameGeometry(), QRect(QPoint((1024 - outer.width()) / 2, 0), outer));
        QVERIFY(kit->resized());
    }

    void formPosChangedAfterShowPlacesAtOnce() {
        showSample();
        window->show();
        const QSize outer = window->frameGeometry().size();
        kit->setFormPos(TResizeFormPos::rpBottomRight);
        QCOMPARE(window->frameGeometry(), QRect(QPoint(1024 - outer.width(), 728 - outer.height()), outer));
    }

    void rejectedSettingKeepsTheOldValue() {
        showSample();
        kit->setFormWidth(761);
        kit->setFormMinWidth(550);
        try {
            kit->setFormMinWidth(800);
            QFAIL("accepted");
        } catch (const UserError& error) {
            QCOMPARE(error.text(), QString("Set this value equal to or less than the FormWidth"));
        }
        QCOMPARE(kit->formMinWidth(), 550);
    }

    void sizableWindowKeepsItsLimits() {
        showSample();
        kit->setFormMinWidth(350);
        kit->setFormMinHeight(250);
        window->show();
        const QSize frame = frameOf(*window);
        QCOMPARE(window->minimumSize(), QSize(350, 250) - frame);
        QCOMPARE(window->maximumSize(), QSize(1024, 728) - frame);

        // A window manager that ignores the limits: the kit moves the right
        // and bottom edges back out.
        const QRect before = window->frameGeometry();
        window->windowHandle()->setGeometry(QRect(window->geometry().topLeft() + QPoint(100, 0), QSize(200, 290)));
        QTRY_COMPARE(window->frameGeometry().size(), QSize(350, 290 + frame.height()));
        QCOMPARE(window->frameGeometry().left(), before.left() + 100);

        kit->setEnabled(false);
        QCOMPARE(window->minimumSize(), QSize(0, 0));
        QCOMPARE(window->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    }

    void fixedSizeWindowTakesTheFirstShowSizeAndStaysFixed() {
        showSample(Qt::Window | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint);
        window->setFixedSize(window->size());
        kit->setFormWidth(500);
        kit->setFormHeight(400);
        kit->setFormMinWidth(350);
        kit->setFormMinHeight(250);
        window->show();
        QCOMPARE(window->frameGeometry().size(), QSize(500, 400));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QCOMPARE(window->go->geometry().left(), qRound(300.0 * window->width() / 400));
    }

    void controlAddedAtRunTimeIsNamedAndTracked() {
        showSample();
        window->show();
        window->resize(800, 300);
        auto* added = new QLabel(window.get());
        added->setGeometry(30, 30, 40, 10);
        auto* named = new QLabel("named", window.get());
        named->setObjectName("Named");
        named->setGeometry(60, 30, 40, 10);
        added->show();
        named->show();
        window->resize(400, 300);
        QCOMPARE(added->objectName(), QString("RKitAdd0001"));
        QCOMPARE(named->objectName(), QString("Named"));
        QCOMPARE(added->geometry(), QRect(15, 30, 20, 10));
        QCOMPARE(named->geometry(), QRect(30, 30, 20, 10));
        delete named;
        window->resize(800, 300);
        QCOMPARE(added->geometry(), QRect(30, 30, 40, 10));
    }

    void excludedNamesAreLeftAlone() {
        showSample();
        kit->setNoResizeCtl("corner;;List");
        kit->setNoResizeFntCtl("sampleFRM;Go");
        window->show();
        window->resize(200, 150);
        QCOMPARE(window->corner->geometry(), QRect(350, 10, 40, 20));
        QCOMPARE(window->list->geometry(), QRect(10, 50, 180, 200));
        QCOMPARE(window->caption->geometry(), QRect(5, 5, 60, 10));
        QCOMPARE(window->font().pointSize(), 8);
        QCOMPARE(window->caption->font().pointSize(), 8);
        QCOMPARE(window->go->font().pointSize(), 10);
    }

    void fontSwitchedToItsOwnTakesItsSizeAsScaled() {
        showSample();
        window->show();
        window->resize(800, 600);  // font scale 2: the caption follows the window at 16
        QFont own = window->caption->font();
        own.setPointSize(20);
        window->caption->setFont(own);
        window->resize(400, 300);
        QCOMPARE(window->caption->font().pointSize(), 10);
        window->caption->setFont(QFont());  // back to the window's font
        window->resize(800, 600);
        QCOMPARE(window->caption->font().pointSize(), 16);
    }

    void loadCompensatesTheResolution() {
        showSample();
        kit->setScreenSource([](const QWidget&) { return TResizeKit::Screen{{0, 0, 1024, 768}, {0, 0, 1024, 768}, {120, 120}}; });
        kit->load();
        QCOMPARE(window->go->geometry(), QRect(375, 325, 100, 30));
        QCOMPARE(window->go->font().pointSize(), 10);  // Qt draws points at the screen's resolution itself
        // The window designed at 400 x 300 and 96 dpi is in proportion at 500 x 375.
        window->show();
        window->resize(500, 375);
        QCOMPARE(window->go->geometry(), QRect(375, 325, 100, 30));
        QCOMPARE(kit->xScale(), 1.0);
    }

    void windowWithoutDesignSizeStaysUnscaled() {
        showSample();
        kit->setDesign({0, 300, 96, 96});
        window->show();
        window->resize(800, 600);
        QCOMPARE(window->go->geometry(), QRect(300, 260, 80, 24));
        QCOMPARE(window->header->geometry(), QRect(0, 0, 400, 40));
    }

    void disabledKitLeavesTheLayout() {
        showSample();
        window->show();
        window->resize(400, 300);
        kit->setEnabled(false);
        window->resize(800, 600);
        QCOMPARE(window->go->geometry(), QRect(300, 260, 80, 24));
        kit->setEnabled(true);
        window->resize(800, 300);
        QCOMPARE(window->go->geometry(), QRect(600, 260, 160, 24));
    }
};

QTEST_MAIN(TResizeKitTest)
#include "TResizeKitTest.moc"

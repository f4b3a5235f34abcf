// The URL tools page: shortener and expander buttons, the Paste buttons.

#include "common/Controls.h"
#include "common/RecordingLinkOpener.h"
#include "web/UrlServices.h"
#include "web/UrlToolsPage.h"

#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace termora;
using namespace termora::testing;

namespace {

// The page's controls the tests use, found by their object names.
struct UrlToolsControls {
    explicit UrlToolsControls(const QObject& window) : page(window) {}

    const QObject& page;
    QLineEdit* Edit1 = child<QLineEdit>(page, "Edit1");
    QPushButton* Button29 = child<QPushButton>(page, "Button29");
    QPushButton* usISGD = child<QPushButton>(page, "usISGD");
    QLineEdit* otxt = child<QLineEdit>(page, "otxt");
    QPushButton* Button30 = child<QPushButton>(page, "Button30");
    QPushButton* BitBtn3 = child<QPushButton>(page, "BitBtn3");
};

}  // namespace

class UrlToolsPageTest : public QObject {
    Q_OBJECT

private slots:
    void init() { m_page = std::make_unique<UrlToolsPage>(); }
    void cleanup() { m_page.reset(); }

    void shortenerButtonsOpenTheirService_data() {
        QTest::addColumn<QString>("button");
        for (const web::Shortener& service : web::shorteners()) {
            QTest::newRow(service.button.toLatin1().constData()) << service.button;
        }
    }
    void shortenerButtonsOpenTheirService() {
        QFETCH(QString, button);
        LinkRecorder links;
        controls().Edit1->setText(" example.com/a b ");
        m_page->findChild<QPushButton*>(button)->click();
        QCOMPARE(links.opened, QStringList{*web::shortenerAddress(*web::findShortener(button), "example.com/a b")});
    }

    void expanderButtonsOpenTheirService_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("number");
        for (int number = 1; number <= 4; ++number) {
            const char* button = web::kExpanders[static_cast<std::size_t>(number - 1)].button;
            QTest::newRow(button) << QString(button) << number;
        }
    }
    void expanderButtonsOpenTheirService() {
        QFETCH(QString, button);
        QFETCH(int, number);
        LinkRecorder links;
        controls().otxt->setText("short.example/x");
        m_page->findChild<QPushButton*>(button)->click();
        QCOMPARE(links.opened, QStringList{*web::expanderAddress(number, "short.example/x")});
    }

    void blankFieldsOpenNothing() {
        LinkRecorder links;
        controls().Edit1->setText(" \t ");
        controls().usISGD->click();
        controls().otxt->setText("");
        controls().BitBtn3->click();
        QVERIFY(links.opened.isEmpty());
    }

    void pasteButtonsFillTheirField_data() {
        QTest::addColumn<QString>("clipboard");
        QTest::newRow("text") << " http://a.example/x y ";
        QTest::newRow("empty clipboard") << "";
    }
    void pasteButtonsFillTheirField() {
        QFETCH(QString, clipboard);
        controls().Edit1->setText("old");
        controls().otxt->setText("old");
        QGuiApplication::clipboard()->setText(clipboard);
        controls().Button29->click();
        QCOMPARE(controls().Edit1->text(), clipboard);
        QCOMPARE(controls().otxt->text(), QString("old"));
        controls().Button30->click();
        QCOMPARE(controls().otxt->text(), clipboard);
    }

private:
    UrlToolsControls controls() const { return UrlToolsControls(*m_page); }
    std::unique_ptr<UrlToolsPage> m_page;
};

QTEST_MAIN(UrlToolsPageTest)
#include "UrlToolsPageTest.moc"

// The URL tools page: shortener and expander buttons, the Paste buttons.

#include "RecordingLinkOpener.h"
#include "UrlServices.h"
#include "UrlToolsPage.h"
#include "ui_UrlToolsPage.h"

#include <QClipboard>
#include <QtTest>

using namespace termora;
using namespace termora::testing;

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
        form().Edit1->setText(" example.com/a b ");
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
        form().otxt->setText("short.example/x");
        m_page->findChild<QPushButton*>(button)->click();
        QCOMPARE(links.opened, QStringList{*web::expanderAddress(number, "short.example/x")});
    }

    void blankFieldsOpenNothing() {
        LinkRecorder links;
        form().Edit1->setText(" \t ");
        form().usISGD->click();
        form().otxt->setText("");
        form().BitBtn3->click();
        QVERIFY(links.opened.isEmpty());
    }

    void pasteButtonsFillTheirField_data() {
        QTest::addColumn<QString>("clipboard");
        QTest::newRow("text") << " http://a.example/x y ";
        QTest::newRow("empty clipboard") << "";
    }
    void pasteButtonsFillTheirField() {
        QFETCH(QString, clipboard);
        form().Edit1->setText("old");
        form().otxt->setText("old");
        QGuiApplication::clipboard()->setText(clipboard);
        form().Button29->click();
        QCOMPARE(form().Edit1->text(), clipboard);
        QCOMPARE(form().otxt->text(), QString("old"));
        form().Button30->click();
        QCOMPARE(form().otxt->text(), clipboard);
    }

private:
    Ui::UrlToolsPage& form() { return m_page->form(); }
    std::unique_ptr<UrlToolsPage> m_page;
};

QTEST_MAIN(UrlToolsPageTest)
#include "UrlToolsPageTest.moc"

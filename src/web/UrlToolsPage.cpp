#include "web/UrlToolsPage.h"

#include "ui_UrlToolsPage.h"

#include "platform/LinkOpener.h"
#include "web/UrlServices.h"

#include <QClipboard>
#include <QGuiApplication>

namespace termora {

UrlToolsPage::UrlToolsPage(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::UrlToolsPage>()) {
    ui->setupUi(this);
    for (const web::Shortener& service : web::shorteners()) {
        auto* button = findChild<QPushButton*>(service.button);
        connect(button, &QPushButton::clicked, this, [this, button] { DoOLTools(button); });
    }
    for (const web::Expander& service : web::kExpanders) {
        auto* button = findChild<QPushButton*>(QLatin1String(service.button));
        connect(button, &QPushButton::clicked, this, [this, button] { ExpandURL(button); });
    }
    connect(ui->Button29, &QPushButton::clicked, this, &UrlToolsPage::Button29Click);
    connect(ui->Button30, &QPushButton::clicked, this, &UrlToolsPage::Button30Click);
}

UrlToolsPage::~UrlToolsPage() = default;

void UrlToolsPage::DoOLTools(QAbstractButton* sender) {
    const web::Shortener* service = web::findShortener(sender->objectName());
    if (service == nullptr) return;
    if (const auto address = web::shortenerAddress(*service, ui->Edit1->text())) OpenLink(*address);
}

void UrlToolsPage::ExpandURL(QAbstractButton* sender) {
    const int number = web::findExpander(sender->objectName());
    if (const auto address = web::expanderAddress(number, ui->otxt->text())) OpenLink(*address);
}

void UrlToolsPage::Button29Click() { ui->Edit1->setText(QGuiApplication::clipboard()->text()); }

void UrlToolsPage::Button30Click() { ui->otxt->setText(QGuiApplication::clipboard()->text()); }

}  // namespace termora

#include "UrlToolsPage.h"

#include "ui_UrlToolsPage.h"

#include "LinkOpener.h"
#include "UrlServices.h"

#include <QClipboard>
#include <QGuiApplication>

namespace termora {

UrlToolsPage::UrlToolsPage(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::UrlToolsPage>()) {
    ui->setupUi(this);
    for (const web::Shortener& service : web::shorteners()) {
        connect(findChild<QPushButton*>(service.button), &QPushButton::clicked, this, &UrlToolsPage::DoOLTools);
    }
    for (const web::Expander& service : web::kExpanders) {
        connect(findChild<QPushButton*>(QLatin1String(service.button)), &QPushButton::clicked, this,
                &UrlToolsPage::ExpandURL);
    }
    connect(ui->Button29, &QPushButton::clicked, this, &UrlToolsPage::Button29Click);
    connect(ui->Button30, &QPushButton::clicked, this, &UrlToolsPage::Button30Click);
}

UrlToolsPage::~UrlToolsPage() = default;

void UrlToolsPage::DoOLTools() {
    const web::Shortener* service = sender() != nullptr ? web::findShortener(sender()->objectName()) : nullptr;
    if (service == nullptr) return;
    if (const auto address = web::shortenerAddress(*service, ui->Edit1->text())) OpenLink(*address);
}

void UrlToolsPage::ExpandURL() {
    const int number = sender() != nullptr ? web::findExpander(sender()->objectName()) : 0;
    if (const auto address = web::expanderAddress(number, ui->otxt->text())) OpenLink(*address);
}

void UrlToolsPage::Button29Click() { ui->Edit1->setText(QGuiApplication::clipboard()->text()); }

void UrlToolsPage::Button30Click() { ui->otxt->setText(QGuiApplication::clipboard()->text()); }

}  // namespace termora

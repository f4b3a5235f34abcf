#include "web/OnlineSearchPage.h"

#include "ui_OnlineSearchPage.h"

#include "controls/ClickableLabel.h"
#include "platform/AppPaths.h"
#include "platform/BrowserCatalog.h"
#include "platform/Dialogs.h"
#include "platform/ErrorReport.h"
#include "platform/LinkOpener.h"
#include "platform/ProcessStarter.h"
#include "platform/TextFile.h"
#include "web/AcronymSites.h"

#include <QFileInfo>
#include <QKeyEvent>

namespace termora {
namespace {

// A browser list is a few lines; one far longer is no browser list.
constexpr qint64 kBrowserFileLimit = 256 * 1024;

}  // namespace

QString OnlineSearchPage::defaultBrowserFile() { return paths::userConfigDir() + QStringLiteral("Browser.dat"); }

QString OnlineSearchPage::startingBrowserFile() { return paths::programDir() + QStringLiteral("Browser.dat"); }

OnlineSearchPage::OnlineSearchPage(QWidget* parent, const QString& browserFile, const QString& startingFile)
    : QWidget(parent),
      ui(std::make_unique<Ui::OnlineSearchPage>()),
      m_browserFile(browserFile),
      m_startingFile(startingFile) {
    ui->setupUi(this);
    for (const web::AcronymSite& site : web::kAcronymSites) {
        auto* button = findChild<QPushButton*>(QLatin1String(site.button));
        connectReporting(button, &QPushButton::clicked, this, [this, button] { MSSearch(button); });
    }
    connect(ui->DefBrowse, &QCheckBox::toggled, this, &OnlineSearchPage::DefBrowseClick);
    connect(ui->btnDot, &QPushButton::clicked, this, &OnlineSearchPage::btnDotClick);
    connectReporting(ui->btnAdd3, &QPushButton::clicked, this, [this] { btnAdd3Click(); });
    connectReporting(ui->btnRemove3, &QPushButton::clicked, this, [this] { btnRemove3Click(); });
    connectReporting(ui->GFTC, &QPushButton::clicked, this, [this] { GFTCClick(); });
    ui->txtAcr->installEventFilter(this);
    connect(ui->Label10, &ClickableLabel::clicked, this, &OnlineSearchPage::fullListingCodeRequested);
}

OnlineSearchPage::~OnlineSearchPage() = default;

void OnlineSearchPage::loadBrowserList() {
    const QString file = QFileInfo::exists(m_browserFile) ? m_browserFile : m_startingFile;
    if (!QFileInfo::exists(file)) return;
    m_browsers = web::BrowserList::fromFile(textfile::load(file, kBrowserFileLimit));
    ui->cmbBList->clear();
    ui->cmbBList->addItems(m_browsers.entries());
    ui->cmbBList->setCurrentIndex(m_browsers.entries().isEmpty() ? -1 : 0);
}

void OnlineSearchPage::MSSearch(QAbstractButton* sender) {
    const web::AcronymSite* site = web::findAcronymSite(sender->objectName());
    if (site == nullptr) return;
    const QString address = web::siteSearchAddress(*site, ui->txtAcr->text());
    if (address.isEmpty()) return;
    if (ui->DefBrowse->isChecked()) {
        OpenLink(address);
    } else {
        // The entry may quote its program and carry arguments of its own; the
        // address is one more argument, whatever characters the term holds.
        StartProcess(ui->cmbBList->currentText(), {address}, false);
    }
}

void OnlineSearchPage::DefBrowseClick() {
    const bool useList = !ui->DefBrowse->isChecked();
    for (QWidget* control : std::initializer_list<QWidget*>{ui->cmbBList, ui->btnDot, ui->btnAdd3, ui->btnRemove3, ui->GFTC}) {
        control->setEnabled(useList);
    }
}

void OnlineSearchPage::btnDotClick() {
    const QString program =
        dialogs().openFileName(this, QStringLiteral("Browse"), QStringLiteral("Application (*)"));
    if (program.isEmpty()) return;
    // Quoted when needed, so that a folder with a blank in its name still
    // names one program when the entry is split into words.
    ui->cmbBList->setEditText(quoteCommandWord(program));
    ui->cmbBList->setFocus();
}

void OnlineSearchPage::btnAdd3Click() {
    const QString text = ui->cmbBList->currentText();
    if (m_browsers.indexOf(text) >= 0) {
        dialogs().message(this, QLatin1Char('"') + text + QStringLiteral("\" is already exists !"),
                          Dialogs::Kind::Information);
        return;
    }
    ui->cmbBList->setCurrentIndex(insertBrowser(text));
    saveBrowserList();
}

void OnlineSearchPage::btnRemove3Click() {
    const int index = selectedBrowser();
    if (index >= 0) {
        m_browsers.removeAt(index);
        ui->cmbBList->removeItem(index);
        ui->cmbBList->setCurrentIndex(-1);
    }
    saveBrowserList();
}

void OnlineSearchPage::GFTCClick() {
    // Every installed browser counts, the first one found included.
    for (const RegisteredBrowser& browser : BrowserCatalog().browsers()) {
        if (browser.command.isEmpty() || m_browsers.indexOf(browser.command) >= 0) continue;
        insertBrowser(browser.command);
    }
    saveBrowserList();
}

bool OnlineSearchPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->txtAcr && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        ui->txtAcr->clear();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

int OnlineSearchPage::insertBrowser(const QString& command) {
    const QString typed = ui->cmbBList->currentText();
    const auto index = static_cast<int>(m_browsers.insert(command));
    ui->cmbBList->insertItem(index, command);
    ui->cmbBList->setEditText(typed);
    return index;
}

int OnlineSearchPage::selectedBrowser() const {
    const int index = ui->cmbBList->currentIndex();
    return index >= 0 && ui->cmbBList->itemText(index) == ui->cmbBList->currentText() ? index : -1;
}

void OnlineSearchPage::saveBrowserList() const {
    paths::makeFolderFor(m_browserFile);
    textfile::save(m_browserFile, m_browsers.toFile());
}

}  // namespace termora

#include "app/TSAFrm.h"

#include "ui_TSAFrm.h"

#include "app/ProgramDictionary.h"
#include "app/StatusTexts.h"
#include "base/TermoraConstants.h"
#include "controls/LinkKeyword.h"
#include "controls/TResizeKit.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/ErrorReport.h"
#include "platform/LinkOpener.h"
#include "platform/Registry.h"
#include "platform/SystemStatus.h"
#include "platform/UserError.h"
#include "reference/CountryPage.h"
#include "reference/CryptoPage.h"
#include "reference/CurrencyPage.h"
#include "reference/EmoticonPage.h"
#include "reference/FileExtensionPage.h"
#include "store/Dictionary.h"
#include "store/UserEntries.h"
#include "store/generated/AcronymCounts.h"
#include "support/ContributorPage.h"
#include "support/DonationSwitch.h"
#include "support/MorePage.h"
#include "support/SupportPage.h"
#include "support/SupportWindows.h"
#include "tools/MaintenanceTools.h"
#include "views/DictionaryPage.h"
#include "views/DictionarySource.h"
#include "web/OnlineSearchPage.h"
#include "web/TfrmUCheck.h"
#include "web/UrlToolsPage.h"

#include <QCoreApplication>
#include <QScopeGuard>
#include <QTabBar>
#include <QTimer>

// The icons are compiled into this library; a static library must register them.
static void initTermoraResources() { Q_INIT_RESOURCE(termora); }

namespace termora {
namespace {

// The lines of the user's files a message at start names at most.
constexpr std::size_t kBadLinesShown = 15;

// Captions carry the Windows line break "\r"; buttons break lines with "\n".
QString buttonCaption(QString caption) { return caption.replace(QLatin1Char('\r'), QLatin1Char('\n')); }

}  // namespace

TSAFrm::TSAFrm(QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                         Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TSAFrm>()),
      m_timer(new QTimer(this)) {
    initTermoraResources();
    ui->setupUi(this);
    setFixedSize(size());
    setWindowIcon(QIcon(QStringLiteral(":/icons/termora-64.png")));
    showDictionaryFigures();
    ui->lu->setText(QString::fromLatin1(constants::kVersion));
    setHelpKeyword(ui->btnHome, QString::fromLatin1(constants::kHomePage));
    ui->SBPanel3->setText(QString::fromLatin1(constants::kMakerWebAddress));

    m_dictionary = new DictionaryPage(programDictionary(), ui->ABSht);
    m_tools = new MaintenanceTools(*m_dictionary, programDictionary());
    connect(&programDictionary(), &DictionarySource::changed, this, &TSAFrm::showDictionaryFigures);
    installPages();

    const auto navigation = ui->Panel2->findChildren<QAbstractButton*>();
    for (QAbstractButton* button : navigation) {
        connectReporting(button, &QAbstractButton::clicked, this, [this, button] { spdFreewareClick(button); });
    }
    connect(ui->btnHome, &QAbstractButton::clicked, this, &TSAFrm::BClick);
    connect(ui->btnAbout, &QAbstractButton::clicked, this, &TSAFrm::Button6Click);
    connect(ui->btnDonate, &QAbstractButton::clicked, this, &TSAFrm::Button2Click22);
    connect(ui->btnUpdate, &QAbstractButton::clicked, this, &TSAFrm::btnUpdateClick);
    connect(ui->Icon, &ClickableLabel::doubleClicked, this, &TSAFrm::IconDblClick);
    connect(ui->lu, &ClickableLabel::doubleClicked, this, &TSAFrm::luDblClick);
    connect(m_timer, &QTimer::timeout, this, &TSAFrm::Timer1Timer);
    m_timer->start(1000);

    FormCreate();
    attachResizeKit();
}

TSAFrm::~TSAFrm() = default;

void TSAFrm::FormCreate() {
    ui->SpeedButton6->setToolTip(buttonCaption(QStringLiteral("We need your Support to\r          \"Stay Alive\"")));
    hidePageTabs();
    ui->PageControl1->setCurrentWidget(ui->ABSht);
    ui->spdFreeware->setChecked(true);
    setNavigationCaption(ui->spdFreeware, QStringLiteral("Termora"));
    setNavigationCaption(ui->SpeedButton1, QStringLiteral("Acronym \rSearch (OL)"));
    setNavigationCaption(ui->SpeedButton3, QStringLiteral("Country \rCode"));
    setNavigationCaption(ui->SpeedButton4, QStringLiteral("Currency \rCode"));
    setNavigationCaption(ui->SpeedButton5, QStringLiteral("File \rExtension"));
    setNavigationCaption(ui->sbMore, QStringLiteral("MORE\rSoftware"));
    // Each step reports its own failure and the next still runs: the
    // dictionary needs neither the registry nor the browser list.
    reportErrors(this, [] {
        registry::WriteUserRegString(QString::fromLatin1(constants::kRegistryKey),
                                     QString::fromLatin1(constants::kProductNumber),
                                     QCoreApplication::applicationFilePath());
    });
    reportErrors(this, [this] { m_online->loadBrowserList(); });
    reportUnloadedLines();
    ui->title->setText(QString::fromLatin1(constants::kProgramName));
    ui->cpr->setText(QString::fromLatin1(constants::kMakerNotice));
    // The donation window is modal and comes before the main window.
    reportErrors(this, [this] {
        if (support::donationWindowWanted()) Button2Click22();
    });
}

void TSAFrm::showDictionaryFigures() {
    const auto& dictionary = *programDictionary().current();
    setWindowTitle(QStringLiteral("Termora [%1/%2 Abbreviations]")
                       .arg(data::kAcronymMeaningCount + dictionary.addedMeanings())
                       .arg(data::kAcronymKeyCount + dictionary.addedKeys()));
}

void TSAFrm::reportUnloadedLines() {
    // Once for the program, in its first window.
    const std::vector<BadLine> badLines = programDictionary().takeBadLines();
    if (badLines.empty()) return;
    QString text = QStringLiteral("Some lines of your own dictionary files could not be loaded; the other lines were "
                                  "loaded and the files were left as they are:\r");
    for (const std::string& line : describeBadLines(badLines, kBadLinesShown)) {
        text += QLatin1Char('\r') + QString::fromStdString(line);
    }
    dialogs().message(this, text, Dialogs::Kind::Warning);
}

void TSAFrm::installPages() {
    m_online = new OnlineSearchPage(ui->ASSht);
    new UrlToolsPage(ui->shtURLSE);
    m_crypto = new CryptoPage(ui->CCCSht);
    m_countries = new CountryPage(ui->CountrySht);
    m_currencies = new CurrencyPage(ui->CurrSht);
    auto* emoticons = new EmoticonPage(ui->FBSht);
    new FileExtensionPage(ui->FileExtSht);
    auto* support = new SupportPage(ui->shtSupport);
    m_contributors = new ContributorPage(ui->shtContrib);
    m_more = new MorePage(ui->shtMore);

    // The labels that put the full-listing code into the search box.
    connect(m_online, &OnlineSearchPage::fullListingCodeRequested, m_tools, &MaintenanceTools::Label1Click);
    connect(m_crypto, &CryptoPage::fullListingCodeRequested, m_tools, &MaintenanceTools::Label1Click);
    connect(m_countries, &CountryPage::fullListingCodeRequested, m_tools, &MaintenanceTools::Label1Click);
    connect(m_currencies, &CurrencyPage::fullListingCodeRequested, m_tools, &MaintenanceTools::Label1Click);
    connect(emoticons, &EmoticonPage::fullListingCodeRequested, m_tools, &MaintenanceTools::Label1Click);

    connect(support, &SupportPage::pageRequested, this, [this](const QString& page) {
        reportErrors(this, [&] { showPage(page); });
    });
    connect(m_contributors, &ContributorPage::pageRequested, this, [this](const QString& page) {
        reportErrors(this, [&] { showPage(page); });
    });
}

void TSAFrm::attachResizeKit() {
    // Keeps the layout proportional and opens the window at its outer size,
    // centred inside the screen area the desktop's panels leave free.
    auto* kit = new TResizeKit(this);
    kit->setObjectName(QStringLiteral("ResizeKit1"));
    kit->setFormWidth(761);
    kit->setFormHeight(661);
    kit->setFormMinWidth(550);
    kit->setFormMinHeight(550);
    kit->setFormPos(TResizeFormPos::rpMiddleCenter);
    kit->setValidTaskbar(true);
}

void TSAFrm::hidePageTabs() {
    QTabWidget* pages = ui->PageControl1;
    for (int i = 0; i < pages->count(); ++i) showPageTab(i, false);
    pages->tabBar()->hide();
    // Hiding the tab of the page in front hides that page as well; it stays
    // in front, shown, until another page is brought there.
    if (QWidget* front = pages->currentWidget()) front->show();
}

void TSAFrm::showPageTab(int index, bool shown) {
    // Ctrl+Tab and the wheel skip disabled tabs but not invisible ones, so a
    // hidden tab is disabled in the strip too (its page stays enabled).
    ui->PageControl1->setTabVisible(index, shown);
    ui->PageControl1->tabBar()->setTabEnabled(index, shown);
}

void TSAFrm::setNavigationCaption(QAbstractButton* button, const QString& caption) {
    button->setText(buttonCaption(caption));
}

void TSAFrm::showPage(const QString& pageName) {
    if (auto* page = ui->PageControl1->findChild<QWidget*>(pageName)) ui->PageControl1->setCurrentWidget(page);
    if (pageName == ui->shtContrib->objectName()) m_contributors->loadContributors();
}

void TSAFrm::lookUp(const QString& term) {
    ui->spdFreeware->setChecked(true);
    spdFreewareClick(ui->spdFreeware);
    m_dictionary->lookUp(term);
}

void TSAFrm::spdFreewareClick(QAbstractButton* sender) {
    hidePageTabs();
    switch (sender->property("tag").toInt()) {
        case 0: ui->PageControl1->setCurrentWidget(ui->ABSht); break;
        case 1: ui->PageControl1->setCurrentWidget(ui->ASSht); break;
        case 2: {
            m_crypto->fillIfEmpty();
            QTabWidget* pages = ui->PageControl1;
            pages->setCurrentWidget(ui->CCCSht);
            for (QWidget* page : {ui->CCCSht, ui->FBSht, ui->shtURLSE}) showPageTab(pages->indexOf(page), true);
            pages->tabBar()->show();
            break;
        }
        case 3:
            m_countries->fillIfEmpty();
            ui->PageControl1->setCurrentWidget(ui->CountrySht);
            break;
        case 4:
            m_currencies->fillIfEmpty();
            ui->PageControl1->setCurrentWidget(ui->CurrSht);
            break;
        case 5: ui->PageControl1->setCurrentWidget(ui->FileExtSht); break;
        case 6: ui->PageControl1->setCurrentWidget(ui->shtSupport); break;
        case 11: {
            // The page comes to the front even when its list cannot be loaded.
            const auto front = qScopeGuard([this] { ui->PageControl1->setCurrentWidget(ui->shtMore); });
            m_more->loadMoreSoftware();
            break;
        }
        default: break;
    }
}

void TSAFrm::Button6Click() { support::openAboutWindow(this); }

void TSAFrm::Button2Click22() { support::openDonationWindow(this); }

void TSAFrm::btnUpdateClick() {
    TfrmUCheck window(this);
    dialogs().exec(window);
}

void TSAFrm::BClick() { openHelpKeywordOf(sender()); }

void TSAFrm::IconDblClick() {
    auto* further = new TSAFrm(this);
    further->setAttribute(Qt::WA_DeleteOnClose);
    further->show();
}

void TSAFrm::luDblClick() { OpenLink(paths::programDir()); }

void TSAFrm::Timer1Timer() {
    const int battery = systemstatus::batteryLevel();
    ui->SBPanel0->setText(memoryPanelText(systemstatus::memoryLoad()));
    ui->SBPanel1->setText(powerPanelText(battery));
    ui->SBPanel2->setText(uptimePanelText(systemstatus::tickCount()));
}

void TSAFrm::FormActivate() {
    // The search box takes the focus only where it can: on the dictionary page.
    if (ui->PageControl1->currentWidget() == ui->ABSht) m_dictionary->focusSearchBox();
}

void TSAFrm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}


}  // namespace termora

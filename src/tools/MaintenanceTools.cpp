#include "MaintenanceTools.h"

#include "AppPaths.h"
#include "ClickableLabel.h"
#include "Dialogs.h"
#include "DictionaryPage.h"
#include "ErrorReport.h"
#include "RecordExport.h"
#include "SearchRun.h"
#include "TextFile.h"

#include "ui_DictionaryPage.h"

#include <QFileInfo>

namespace termora {
namespace {

// Entries typed one by one: a file far longer than any such list is refused.
constexpr qint64 kNewEntriesFileLimit = 16 * 1024 * 1024;

}  // namespace

MaintenanceTools::MaintenanceTools(DictionaryPage& page, const AcronymStore& store)
    : QObject(&page), m_page(page), m_store(store) {
    auto& ui = page.form();
    for (char letter = 'A'; letter <= 'Z'; ++letter) ui.Kar->addItem(QString(QLatin1Char(letter)));
    ui.Kar->setCurrentIndex(0);
    connect(ui.Label1, &ClickableLabel::clicked, this, &MaintenanceTools::Label1Click);
    connect(ui.NI, &ClickableLabel::rightClicked, this, &MaintenanceTools::NIContextPopup);
    connectReporting(ui.Button3, &QPushButton::clicked, &page, [this] { Button3Click(); });
    connectReporting(ui.Label3, &ClickableLabel::rightClicked, &page, [this] { Label3ContextPopup(); });
}

void MaintenanceTools::Label1Click() {
    // setText fires the change event only for a new text, so a second click
    // starts no second search.
    m_page.form().Find->setText(QString::fromLatin1(kFullListingCode.data(), kFullListingCode.size()));
}

void MaintenanceTools::NIContextPopup() {
    QPushButton* button = m_page.form().Button3;
    button->setVisible(button->isHidden());
}

void MaintenanceTools::Button3Click() {
    auto& ui = m_page.form();
    ui.EL->clear();
    const QString letter = ui.Kar->currentText();
    const QList<QByteArray> lines = letter.isEmpty() ? QList<QByteArray>() : tools::recordLinesOfTable(m_store, letter.at(0));
    for (const QByteArray& line : lines) ui.EL->addItem(QString::fromLatin1(line));
    textfile::save(tools::exportPath(), textfile::joinLinesCrLf(lines));
}

void MaintenanceTools::Label3ContextPopup() {
    const QString path = tools::newEntriesPath();
    QList<QByteArray> lines;
    if (QFileInfo::exists(path)) lines = textfile::splitLines(textfile::load(path, kNewEntriesFileLimit));
    const QString caption = QStringLiteral("Tambah Data");
    const QString key = dialogs().input(&m_page, caption, QStringLiteral("Singkatan"), QString());
    const QString expansion = dialogs().input(&m_page, caption, QStringLiteral("Kepanjangan"), QString());
    if (!key.isEmpty() && !expansion.isEmpty()) lines.append(tools::typedRecordLine(key, expansion));
    paths::makeFolderFor(path);
    textfile::save(path, textfile::joinLinesCrLf(lines));
}

}  // namespace termora

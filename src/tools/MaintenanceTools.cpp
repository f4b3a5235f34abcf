#include "tools/MaintenanceTools.h"

#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/ErrorReport.h"
#include "platform/TextFile.h"
#include "search/SearchMethod.h"
#include "store/UserEntries.h"
#include "tools/RecordExport.h"
#include "views/DictionaryPage.h"
#include "views/DictionarySource.h"

#include <QFileInfo>

namespace termora {
namespace {

// Entries typed one by one: a file far longer than any such list is refused.
constexpr qint64 kNewEntriesFileLimit = 16 * 1024 * 1024;

}  // namespace

MaintenanceTools::MaintenanceTools(DictionaryPage& page, DictionarySource& source)
    : QObject(&page), m_page(page), m_source(source) {
    QStringList letters;
    for (char letter = 'A'; letter <= 'Z'; ++letter) letters.append(QString(QLatin1Char(letter)));
    page.offerExportTables(letters);
    connect(&page, &DictionaryPage::fullListingCodeRequested, this, &MaintenanceTools::Label1Click);
    connect(&page, &DictionaryPage::counterRightClicked, this, &MaintenanceTools::NIContextPopup);
    connectReporting(&page, &DictionaryPage::exportRequested, &page, [this] { Button3Click(); });
    connectReporting(&page, &DictionaryPage::expansionLabelRightClicked, &page, [this] { Label3ContextPopup(); });
}

void MaintenanceTools::Label1Click() {
    // A second click starts no second search: the text is already there.
    m_page.setSearchText(QString::fromLatin1(kFullListingCode.data(), kFullListingCode.size()));
}

void MaintenanceTools::NIContextPopup() { m_page.toggleExportButton(); }

void MaintenanceTools::Button3Click() {
    const QString letter = m_page.chosenExportTable();
    const QList<QByteArray> lines =
        letter.isEmpty() ? QList<QByteArray>() : tools::recordLinesOfTable(m_source.current()->builtIn(), letter.at(0));
    QStringList shown;
    for (const QByteArray& line : lines) shown.append(QString::fromLatin1(line));
    m_page.showExportedLines(shown);
    textfile::save(tools::exportPath(), textfile::joinLinesCrLf(lines));
}

void MaintenanceTools::Label3ContextPopup() {
    const QString path = tools::newEntriesPath();
    QList<QByteArray> lines;
    if (QFileInfo::exists(path)) lines = textfile::splitLines(textfile::load(path, kNewEntriesFileLimit));
    const QString caption = QStringLiteral("Tambah Data");
    const QString key = dialogs().input(&m_page, caption, QStringLiteral("Singkatan"), QString());
    const QString expansion = dialogs().input(&m_page, caption, QStringLiteral("Kepanjangan"), QString());
    const bool adding = !key.isEmpty() && !expansion.isEmpty();
    if (adding) lines.append(tools::typedRecordLine(key, expansion));
    paths::makeFolderFor(path);
    textfile::save(path, textfile::joinLinesCrLf(lines));
    if (!adding) return;
    // The line is kept as typed; one the dictionary cannot take is named
    // now, as it would be at the next start.
    std::string line = lines.last().toStdString();
    const ParsedLine parsed = parseUserLine(line);
    if (!parsed.entry) {
        const BadLine bad{path.toStdString(), int(lines.size()), parsed.problem};
        dialogs().message(&m_page,
                          QStringLiteral("The entry was added to New.txt, but it cannot be looked up:\r") +
                              QString::fromStdString(describeBadLines({bad}, 1).front()),
                          Dialogs::Kind::Warning);
    }
    m_source.reload();
}

}  // namespace termora

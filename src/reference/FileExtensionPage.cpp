#include "reference/FileExtensionPage.h"

#include "controls/CounterText.h"
#include "controls/LinkKeyword.h"
#include "controls/TextTableModel.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/LinkOpener.h"
#include "platform/UserError.h"
#include "reference/CodeGrid.h"
#include "reference/ExtensionCatalogue.h"
#include "reference/ExtensionCategories.h"
#include "ui_FileExtensionPage.h"

#include <QHeaderView>
#include <QMouseEvent>

#include <algorithm>

namespace termora {
namespace {

constexpr int kCategoryColumns = 4;
constexpr int kExtensionColumn = 0;

}  // namespace

FileExtensionPage::FileExtensionPage(QWidget* parent)
    : QWidget(parent),
      ui(std::make_unique<Ui::FileExtensionPage>()),
      m_archivePath(paths::dataDir() + reference::tableText(reference::kExtensionArchiveName)) {
    ui->setupUi(this);
    setUpCategoryList();

    m_model = new TextTableModel({QStringLiteral("Extension"), QStringLiteral("Description")}, ui->FileExt);
    ui->FileExt->setModel(m_model);
    reference::applyGridLook(*ui->FileExt);
    ui->FileExt->setColumnWidth(0, 94);
    ui->FileExt->setColumnWidth(1, 445);
    ui->FileExt->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    // Before any category is chosen the list holds one empty row, which is
    // its current row but not selected, so that no empty bar is highlighted;
    // the count stays "[ 0 ]".
    m_model->setRows({{QString(), QString()}});
    ui->FileExt->selectionModel()->setCurrentIndex(m_model->index(0, kExtensionColumn), QItemSelectionModel::NoUpdate);

    connect(ui->ListBox1, &QListWidget::itemSelectionChanged, this, &FileExtensionPage::ListBox1Click);
    // A click on the category already chosen reads it again.
    connect(ui->ListBox1, &QListWidget::clicked, this, [this](const QModelIndex& index) {
        if (index.row() == m_chosenAtPress) ListBox1Click();
    });
    for (QPushButton* button :
         {ui->Button8, ui->Button16, ui->Button10, ui->Button12, ui->Button11, ui->Button7, ui->Button15})
        connect(button, &QPushButton::clicked, this, &FileExtensionPage::Button7Click);
}

FileExtensionPage::~FileExtensionPage() = default;

void FileExtensionPage::setArchivePath(const QString& path) { m_archivePath = path; }

void FileExtensionPage::setUpCategoryList() {
    QListWidget& list = *ui->ListBox1;
    for (const auto category : reference::kExtensionCategories) list.addItem(reference::tableText(category));
    layOutCategories();
    list.installEventFilter(this);
    list.viewport()->installEventFilter(this);
}

void FileExtensionPage::layOutCategories() {
    // Four columns filled top to bottom, as a multi-column list box, each a
    // quarter of the width; the rows are sized so that every category is in
    // view. Laid out again whenever the window's scaling changes the list's
    // size or font.
    QListWidget& list = *ui->ListBox1;
    const int rows = (int(reference::kExtensionCategories.size()) + kCategoryColumns - 1) / kCategoryColumns;
    const int inner = 2 * list.frameWidth();
    list.setGridSize(QSize((list.width() - inner + kCategoryColumns - 1) / kCategoryColumns,
                           std::min(list.fontMetrics().height() + 2, (list.height() - inner) / rows)));
}

bool FileExtensionPage::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == ui->ListBox1->viewport() && event->type() == QEvent::Resize) ||
        (watched == ui->ListBox1 && event->type() == QEvent::FontChange)) {
        layOutCategories();
    }
    if (watched == ui->ListBox1->viewport() && event->type() == QEvent::MouseButtonPress) {
        const QList<QListWidgetItem*> chosen = ui->ListBox1->selectedItems();
        m_chosenAtPress = chosen.isEmpty() ? -1 : ui->ListBox1->row(chosen.first());
    }
    return QWidget::eventFilter(watched, event);
}

void FileExtensionPage::ListBox1Click() {
    const QList<QListWidgetItem*> chosen = ui->ListBox1->selectedItems();
    if (chosen.isEmpty()) return;
    QList<reference::ExtensionRow> rows;
    try {
        rows = reference::readCategory(m_archivePath, chosen.first()->text());
    } catch (const UserError& error) {
        dialogs().message(this, error.text(), Dialogs::Kind::Error);
        return;
    }
    QList<QStringList> texts;
    texts.reserve(rows.size());
    for (const reference::ExtensionRow& row : rows) texts.append({row.extension, row.description});
    showRows(std::move(texts));
}

void FileExtensionPage::showRows(QList<QStringList> rows) {
    m_model->setRows(std::move(rows));
    ui->lbltot->setText(counterText(m_model->rowCount()));
    if (m_model->rowCount() > 0) ui->FileExt->setCurrentIndex(m_model->index(0, kExtensionColumn));
}

void FileExtensionPage::Button7Click() {
    const QModelIndex current = ui->FileExt->currentIndex();
    const QString extension =
        current.isValid() ? m_model->index(current.row(), kExtensionColumn).data().toString() : QString();
    QString address = helpKeyword(sender());
    OpenLink(address.replace(QStringLiteral("%s"), extension));
}

}  // namespace termora

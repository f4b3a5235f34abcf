#include "reference/EmoticonPage.h"

#include "reference/EmoticonList.h"
#include "reference/EmoticonPictures.h"
#include "ui_EmoticonPage.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPixmap>

namespace termora {
namespace {

constexpr int kNameColumn = 0;
constexpr int kFirstShortcutColumn = 1;

QTableWidgetItem* readOnlyItem(std::string_view text) {
    auto* item = new QTableWidgetItem(QString::fromUtf8(text.data(), qsizetype(text.size())));
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

}  // namespace

EmoticonPage::EmoticonPage(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::EmoticonPage>()) {
    ui->setupUi(this);
    fillList();

    // The selected row stays highlighted when the focus moves to the button.
    QPalette palette = ui->lstFE->palette();
    for (const auto role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    ui->lstFE->setPalette(palette);

    connect(ui->Label7, &ClickableLabel::clicked, this, &EmoticonPage::fullListingCodeRequested);
    connect(ui->Button4, &QPushButton::clicked, this, &EmoticonPage::Button4Click);
    connect(ui->lstFE, &QTableWidget::itemDoubleClicked, this, &EmoticonPage::lstFEDblClick);
}

EmoticonPage::~EmoticonPage() = default;

void EmoticonPage::fillList() {
    QTableWidget& list = *ui->lstFE;
    list.setRowCount(int(reference::kEmoticons.size()));
    list.setColumnWidth(kNameColumn, 130);
    for (int column = kFirstShortcutColumn; column < list.columnCount(); ++column) list.setColumnWidth(column, 65);
    list.verticalHeader()->hide();
    // A bold header for the selected row would cut "Shortcut 1" short.
    list.horizontalHeader()->setHighlightSections(false);
    list.verticalHeader()->setDefaultSectionSize(
        std::max(list.fontMetrics().height(), reference::kEmoticonPictureSize) + 4);
    list.setIconSize(QSize(reference::kEmoticonPictureSize, reference::kEmoticonPictureSize));
    for (std::size_t row = 0; row < reference::kEmoticons.size(); ++row) {
        const reference::Emoticon& emoticon = reference::kEmoticons[row];
        QTableWidgetItem* caption = readOnlyItem(emoticon.name);
        caption->setIcon(QPixmap::fromImage(reference::emoticonPicture(row)));
        list.setItem(int(row), kNameColumn, caption);
        for (std::size_t i = 0; i < emoticon.shortcutCount(); ++i)
            list.setItem(int(row), kFirstShortcutColumn + int(i), readOnlyItem(emoticon.shortcuts[i]));
    }
}

void EmoticonPage::Button4Click() {
    const QModelIndexList rows = ui->lstFE->selectionModel()->selectedRows(kFirstShortcutColumn);
    if (rows.isEmpty()) return;
    QGuiApplication::clipboard()->setText(rows.first().data().toString());
}

void EmoticonPage::lstFEDblClick() { Button4Click(); }

}  // namespace termora

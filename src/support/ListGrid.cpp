#include "support/ListGrid.h"

#include <QAbstractProxyModel>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>

namespace termora::support {

QStandardItemModel* setUpListGrid(QTableView& view, const QList<GridColumn>& columns, QAbstractProxyModel* sorter) {
    auto* model = new QStandardItemModel(0, static_cast<int>(columns.size()), &view);
    if (sorter != nullptr) {
        sorter->setSourceModel(model);
        view.setModel(sorter);
    } else {
        view.setModel(model);
    }
    view.setShowGrid(true);
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    view.setSelectionMode(QAbstractItemView::ExtendedSelection);
    view.setEditTriggers(QAbstractItemView::NoEditTriggers);
    // One line per cell (a "|" in the list still breaks it), long texts
    // elided; the detail panel shows the whole row.
    view.setWordWrap(false);
    view.setTextElideMode(Qt::ElideRight);
    view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.verticalHeader()->hide();
    view.horizontalHeader()->setHighlightSections(false);
    for (int i = 0; i < columns.size(); ++i) {
        model->setHeaderData(i, Qt::Horizontal, columns[i].title);
        if (columns[i].width == 0) view.setColumnHidden(i, true);
        else view.setColumnWidth(i, columns[i].width);
    }
    return model;
}

void appendRows(QStandardItemModel& model, const GridRows& rows) {
    for (const QStringList& row : rows) {
        QList<QStandardItem*> items;
        for (int i = 0; i < model.columnCount(); ++i) items.append(new QStandardItem(field(row, i)));
        model.appendRow(items);
    }
}

std::optional<QStringList> selectedRow(const QTableView& view) {
    const QItemSelectionModel* selection = view.selectionModel();
    if (selection == nullptr || !selection->hasSelection()) return std::nullopt;
    const QModelIndexList rows = selection->selectedRows();
    if (rows.isEmpty()) return std::nullopt;
    const int current = view.currentIndex().row();
    int row = rows.first().row();
    for (const QModelIndex& index : rows) {
        if (index.row() == current) row = current;
    }
    QStringList fields;
    for (int column = 0; column < view.model()->columnCount(); ++column) {
        fields.append(view.model()->index(row, column).data().toString());
    }
    return fields;
}

}  // namespace termora::support

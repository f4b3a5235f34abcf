#include "support/ListGrid.h"

#include <QHeaderView>
#include <QTableView>

namespace termora::support {

TextTableModel* setUpListGrid(QTableView& view, const QList<GridColumn>& columns, QSortFilterProxyModel* sorter) {
    TextTableModel* model = setUpTextGrid(view, columns, sorter);
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
    return model;
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

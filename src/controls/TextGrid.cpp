#include "controls/TextGrid.h"

#include "controls/TextTableModel.h"

#include <QHeaderView>
#include <QSortFilterProxyModel>
#include <QTableView>

namespace termora {

TextTableModel* setUpTextGrid(QTableView& grid, const QList<GridColumn>& columns, QSortFilterProxyModel* sorter) {
    QStringList titles;
    for (const GridColumn& column : columns) titles.append(column.title);
    auto* model = new TextTableModel(titles, &grid);
    if (sorter != nullptr) {
        sorter->setSourceModel(model);
        grid.setModel(sorter);
    } else {
        grid.setModel(model);
    }
    for (int i = 0; i < columns.size(); ++i) {
        if (columns[i].width == 0) grid.setColumnHidden(i, true);
        else grid.setColumnWidth(i, columns[i].width);
    }
    if (sorter != nullptr) {
        grid.horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
        grid.setSortingEnabled(true);
    }
    return model;
}

}  // namespace termora

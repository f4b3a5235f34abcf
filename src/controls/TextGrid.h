#pragma once
// The grids of the pages: a read-only TextTableModel with titled columns,
// sorted by a header click when the page gives a sorting model.

#include <QList>
#include <QString>

class QSortFilterProxyModel;
class QTableView;

namespace termora {

class TextTableModel;

struct GridColumn {
    QString title;
    int width = 0;  // 0: the column is hidden
};

// Gives the grid a model with these columns, shown through `sorter` when
// one is given: a header click then sorts (a second click reverses), and
// until the first click the rows keep the model's order. Returns the
// model, owned by the grid.
TextTableModel* setUpTextGrid(QTableView& grid, const QList<GridColumn>& columns,
                              QSortFilterProxyModel* sorter = nullptr);

}  // namespace termora

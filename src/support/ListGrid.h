#pragma once
// The two list grids of the contributor and more-software pages: a header
// row, grid lines, whole-row selection of several rows, and one row per
// list line with every field of the line kept in its column.

#include "support/GridText.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class QAbstractProxyModel;
class QStandardItemModel;
class QTableView;

namespace termora::support {

struct GridColumn {
    QString title;
    int width = 0;  // 0: the column is hidden
};

// Gives the view a model with these columns, shown through `sorter` when
// one is given; returns the model.
QStandardItemModel* setUpListGrid(QTableView& view, const QList<GridColumn>& columns,
                                  QAbstractProxyModel* sorter = nullptr);

// Appends the rows, one item per field (fields beyond the columns are dropped).
void appendRows(QStandardItemModel& model, const GridRows& rows);

// The fields of the row the detail panel follows: the current row when it
// is selected, else the first selected row; nothing when none is selected.
std::optional<QStringList> selectedRow(const QTableView& view);

}  // namespace termora::support

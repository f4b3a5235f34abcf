#pragma once
// The two list grids of the contributor and more-software pages: a header
// row, grid lines, whole-row selection of several rows, and one row per
// list line with every field of the line kept in its column.

#include "controls/TextGrid.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class QTableView;

namespace termora::support {

// Gives the view a text table with these columns (TextGrid.h), sorted by
// `sorter` when one is given, with the list grids' look; returns the model.
TextTableModel* setUpListGrid(QTableView& view, const QList<GridColumn>& columns,
                              QSortFilterProxyModel* sorter = nullptr);

// The fields of the row the detail panel follows: the current row when it
// is selected, else the first selected row; nothing when none is selected.
std::optional<QStringList> selectedRow(const QTableView& view);

}  // namespace termora::support

#pragma once
// The grid of a code page: columns with fixed headers and widths, whole-row
// selection, and sorting by a header click (a second click reverses).

#include <QString>

#include <initializer_list>
#include <optional>
#include <string_view>

class QTableView;

namespace termora {
class TextTableModel;
}

namespace termora::reference {

// A text of the constant tables (UTF-8) for display.
QString tableText(std::string_view utf8);

struct CodeGridColumn {
    const char* header;
    int width;
    // In a reader's order (ReaderOrder.h); CaseSensitive: alphabetical,
    // CaseInsensitive: without regard to case.
    Qt::CaseSensitivity sorting;
};

// The look and behaviour shared by the page grids: whole-row single
// selection, grid lines, no editing, no row header, Tab leaves the grid.
void applyGridLook(QTableView& grid);

// Gives the grid its model and columns (TextGrid.h), sorted by each column's
// rule, with the code pages' look. Returns the model, owned by the grid.
TextTableModel* setUpCodeGrid(QTableView& grid, std::initializer_list<CodeGridColumn> columns);

// The text in the given column of the selected row, as the grid shows it.
std::optional<QString> selectedRowText(const QTableView& grid, int column);

// Puts the selected row's text of that column on the clipboard as plain
// text; with no row selected the clipboard keeps what it holds.
void copySelectedRowText(const QTableView& grid, int column);

}  // namespace termora::reference

#include "reference/CodeGrid.h"

#include "controls/TextGrid.h"
#include "controls/TextTableModel.h"
#include "reference/ReaderOrder.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QSortFilterProxyModel>
#include <QTableView>

#include <vector>

namespace termora::reference {
namespace {

// Sorts each column by its own rule; equal texts keep their order.
class ColumnSortProxy : public QSortFilterProxyModel {
public:
    ColumnSortProxy(std::vector<Qt::CaseSensitivity> rules, QObject* parent)
        : QSortFilterProxyModel(parent), m_rules(std::move(rules)) {}

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override {
        const auto rule = m_rules.at(std::size_t(left.column()));
        return compareForReader(left.data().toString(), right.data().toString(), rule) < 0;
    }

private:
    std::vector<Qt::CaseSensitivity> m_rules;
};

}  // namespace

QString tableText(std::string_view utf8) { return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())); }

void applyGridLook(QTableView& grid) {
    grid.setSelectionBehavior(QAbstractItemView::SelectRows);
    grid.setSelectionMode(QAbstractItemView::SingleSelection);
    grid.setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid.setTabKeyNavigation(false);
    grid.setShowGrid(true);
    grid.setWordWrap(false);
    grid.verticalHeader()->hide();
    grid.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid.verticalHeader()->setDefaultSectionSize(grid.fontMetrics().height() + 4);
    grid.horizontalHeader()->setHighlightSections(false);
}

TextTableModel* setUpCodeGrid(QTableView& grid, std::initializer_list<CodeGridColumn> columns) {
    QList<GridColumn> titled;
    std::vector<Qt::CaseSensitivity> rules;
    for (const CodeGridColumn& column : columns) {
        titled.append({QString::fromLatin1(column.header), column.width});
        rules.push_back(column.sorting);
    }
    TextTableModel* model = setUpTextGrid(grid, titled, new ColumnSortProxy(std::move(rules), &grid));
    applyGridLook(grid);
    return model;
}

std::optional<QString> selectedRowText(const QTableView& grid, int column) {
    const QModelIndexList rows = grid.selectionModel()->selectedRows(column);
    if (rows.isEmpty()) return std::nullopt;
    return rows.first().data().toString();
}

void copySelectedRowText(const QTableView& grid, int column) {
    if (const auto text = selectedRowText(grid, column)) QGuiApplication::clipboard()->setText(*text);
}

}  // namespace termora::reference

#pragma once
// The Modern grid: one row per hit with the key ("Abbreviation") and the
// whole expansion ("Expansion"), sortable by either column.

#include "store/TSL.h"

#include <QAbstractTableModel>

#include <vector>

namespace termora {

class ResultGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { cAbr = 0, cExp = 1 };

    using QAbstractTableModel::QAbstractTableModel;

    // Rows in arrival order; the caller sorts them afterwards.
    void setRows(std::vector<const TSL*> rows);
    void clear();
    const TSL* row(int index) const { return m_rows.at(static_cast<std::size_t>(index)); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // Alphabetical without regard to case; rows that compare equal keep their order.
    void sort(int column, Qt::SortOrder order) override;

private:
    std::vector<const TSL*> m_rows;
};

}  // namespace termora

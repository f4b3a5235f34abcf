#include "ResultGridModel.h"

#include "DictionaryText.h"
#include "KeyOrder.h"

#include <algorithm>

namespace termora {

void ResultGridModel::setRows(std::vector<const TSL*> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void ResultGridModel::clear() { setRows({}); }

int ResultGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ResultGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant ResultGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const TSL* record = row(index.row());
    if (role == Qt::DisplayRole) return index.column() == cAbr ? keyText(record->S) : expansionText(record->L);
    if (role == Qt::ToolTipRole && index.column() == cExp) return expansionText(record->L);
    return {};
}

QVariant ResultGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::DisplayRole) return section == cAbr ? QStringLiteral("Abbreviation") : QStringLiteral("Expansion");
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignCenter);
    return {};
}

void ResultGridModel::sort(int column, Qt::SortOrder order) {
    const auto text = [column](const TSL* r) { return column == cAbr ? r->S : r->L; };
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::stable_sort(m_rows.begin(), m_rows.end(), [&](const TSL* a, const TSL* b) {
        const int c = compareKeys(text(a), text(b));
        return order == Qt::AscendingOrder ? c < 0 : c > 0;
    });
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

}  // namespace termora

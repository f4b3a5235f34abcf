#include "views/ResultGridModel.h"

#include "store/KeyOrder.h"
#include "views/DictionaryText.h"

#include <algorithm>
#include <numeric>

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
    const auto comesFirst = [&](const TSL* a, const TSL* b) {
        const int c = compareKeys(text(a), text(b));
        return order == Qt::AscendingOrder ? c < 0 : c > 0;
    };
    // Rows in order already (a search hands them over sorted) stay as they are.
    if (std::is_sorted(m_rows.begin(), m_rows.end(), comesFirst)) return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<std::size_t> oldRowAt(m_rows.size());
    std::iota(oldRowAt.begin(), oldRowAt.end(), std::size_t{0});
    std::stable_sort(oldRowAt.begin(), oldRowAt.end(),
                     [&](std::size_t a, std::size_t b) { return comesFirst(m_rows[a], m_rows[b]); });
    std::vector<const TSL*> sorted(m_rows.size());
    std::vector<int> newRowOf(m_rows.size());
    for (std::size_t row = 0; row < oldRowAt.size(); ++row) {
        sorted[row] = m_rows[oldRowAt[row]];
        newRowOf[oldRowAt[row]] = static_cast<int>(row);
    }
    m_rows = std::move(sorted);
    // The selection and the current row move with their entries.
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before) {
        after.append(this->index(newRowOf[static_cast<std::size_t>(index.row())], index.column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

}  // namespace termora

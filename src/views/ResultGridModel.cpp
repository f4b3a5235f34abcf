#include "views/ResultGridModel.h"

#include "search/KeyOrder.h"
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
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<std::size_t> oldRowAt(m_rows.size());
    std::iota(oldRowAt.begin(), oldRowAt.end(), std::size_t{0});
    std::stable_sort(oldRowAt.begin(), oldRowAt.end(), [&](std::size_t a, std::size_t b) {
        const int c = compareKeys(text(m_rows[a]), text(m_rows[b]));
        return order == Qt::AscendingOrder ? c < 0 : c > 0;
    });
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

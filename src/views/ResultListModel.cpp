#include "views/ResultListModel.h"

#include "search/KeyOrder.h"
#include "views/DictionaryText.h"

#include <algorithm>

namespace termora {

void ResultListModel::setKeys(std::vector<std::string_view> keys) {
    std::stable_sort(keys.begin(), keys.end(), keyLess);
    beginResetModel();
    m_keys = std::move(keys);
    endResetModel();
}

void ResultListModel::clear() { setKeys({}); }

int ResultListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_keys.size());
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    return keyText(key(index.row()));
}

}  // namespace termora

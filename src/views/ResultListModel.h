#pragma once
// The keys of the Classic result list, in the result list's order.

#include <QAbstractListModel>

#include <string_view>
#include <vector>

namespace termora {

class ResultListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // Replaces the keys, sorting them alphabetically without regard to case.
    void setKeys(std::vector<std::string_view> keys);
    void clear();

    const std::vector<std::string_view>& keys() const { return m_keys; }
    std::string_view key(int row) const { return m_keys.at(static_cast<std::size_t>(row)); }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::vector<std::string_view> m_keys;
};

}  // namespace termora

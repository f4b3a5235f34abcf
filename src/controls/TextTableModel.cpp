#include "controls/TextTableModel.h"

namespace termora {

TextTableModel::TextTableModel(QStringList headers, QObject* parent)
    : QAbstractTableModel(parent), m_headers(std::move(headers)) {}

int TextTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(m_rows.size()); }

int TextTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_headers.size());
}

QVariant TextTableModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    const QStringList& row = m_rows.at(index.row());
    return index.column() < row.size() ? row.at(index.column()) : QString();
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= m_headers.size())
        return {};
    return m_headers.at(section);
}

void TextTableModel::setRows(QList<QStringList> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void TextTableModel::rewriteColumn(int column, const std::function<QString(const QString&)>& rewrite) {
    if (m_rows.isEmpty()) return;
    for (QStringList& row : m_rows) {
        if (column < row.size()) row[column] = rewrite(row.at(column));
    }
    emit dataChanged(index(0, column), index(int(m_rows.size()) - 1, column), {Qt::DisplayRole});
}

}  // namespace termora

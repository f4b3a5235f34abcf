#pragma once
// A read-only table of texts with column headers: the model behind the
// page grids (TextGrid.h) and the extension list.

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

#include <functional>

namespace termora {

class TextTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TextTableModel(QStringList headers, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Replaces all rows; each row holds one text per column.
    void setRows(QList<QStringList> rows);

    // Rewrites one column of every row in place: each row keeps its own text.
    void rewriteColumn(int column, const std::function<QString(const QString&)>& rewrite);

private:
    QStringList m_headers;
    QList<QStringList> m_rows;
};

}  // namespace termora

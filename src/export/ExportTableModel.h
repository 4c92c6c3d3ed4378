#pragma once
#include "export/ExportTable.h"

#include <QAbstractTableModel>

// The export grid's view of an ExportTable: a first column "N." with the
// record number, then one column per exported value. Cells are decoded
// only when shown, so an archive of any size opens at once.
class ExportTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    ExportTableModel(ExportTable &table, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Call around any change of the table's rows.
    void beginReload() { beginResetModel(); }
    void endReload() { endResetModel(); }

private:
    ExportTable &m_table;
};

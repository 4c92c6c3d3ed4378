#include "export/ExportTableModel.h"
#include "ui/Theme.h"
#include "storage/StorageError.h"

#include <QColor>

ExportTableModel::ExportTableModel(ExportTable &table, QObject *parent)
    : QAbstractTableModel(parent), m_table(table)
{
}

int ExportTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_table.rowCount();
}

int ExportTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_table.columnCount() + 1;
}

QVariant ExportTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (index.column() == 0 && role == Qt::BackgroundRole)
        return Theme::colour(Theme::Colour::FixedColumn);  // the record number reads as a fixed column
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    if (index.column() == 0)
        return index.row() < m_table.recordCount() ? QString::number(index.row() + 1) : QString();
    return m_table.text(index.row(), index.column() - 1);
}

bool ExportTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    try {
        m_table.setText(index.row(), index.column() - 1, value.toString());
    } catch (const StorageError &) {
        return false;
    }
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Qt::ItemFlags ExportTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() > 0 && m_table.sheet().columns[index.column() - 1].editable)
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant ExportTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == 0)
        return QStringLiteral("N.");
    return m_table.sheet().columns[section - 1].gridTitle;
}

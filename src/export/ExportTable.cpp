#include "export/ExportTable.h"
#include "storage/Cp1252.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"
#include "storage/StorageError.h"

#include <limits>

QByteArrayView trimmedBytes(QByteArrayView bytes)
{
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    while (begin < end && static_cast<unsigned char>(bytes[begin]) <= 32)
        ++begin;
    while (end > begin && static_cast<unsigned char>(bytes[end - 1]) <= 32)
        --end;
    return bytes.sliced(begin, end - begin);
}

ExportTable::ExportTable(const ExportSheet &sheet)
    : m_sheet(&sheet), m_columns(int(sheet.columns.size()))
{
}

QByteArrayView ExportTable::bytes(int row, int column) const
{
    const Cell &c = cell(row, column);
    return QByteArrayView(m_pool.constData() + c.offset, c.length);
}

QString ExportTable::text(int row, int column) const
{
    const QByteArrayView b = bytes(row, column);
    return Cp1252::decode(b.data(), b.size());
}

void ExportTable::setText(int row, int column, const QString &text)
{
    const QByteArray encoded = Cp1252::encode(text);
    if (quint64(m_pool.size()) + quint64(encoded.size()) > std::numeric_limits<quint32>::max())
        throw StorageError(QStringLiteral("export grid too large"));
    // The old bytes stay in the pool unused; edits are few.
    cell(row, column) = Cell{quint32(m_pool.size()), quint32(encoded.size())};
    m_pool.append(encoded);
}

bool ExportTable::isRowBlank(int row) const
{
    for (int c = 0; c < m_columns; ++c)
        if (!trimmedBytes(bytes(row, c)).isEmpty())
            return false;
    return true;
}

void ExportTable::reserve(int rows)
{
    m_cells.reserve(size_t(rows) * size_t(m_columns));
    // Most fields are far from full; a quarter of their capacity is a fair guess.
    qsizetype perRow = 0;
    for (const ExportColumn &c : m_sheet->columns)
        for (const FieldSlot &p : c.parts)
            perRow += p.capacity / 4 + 1;
    m_pool.reserve(qsizetype(rows) * perRow);
}

void ExportTable::appendRecord(const char *record)
{
    if (m_pool.size() > qsizetype(std::numeric_limits<quint32>::max() / 2))
        throw StorageError(QStringLiteral("export grid too large"));
    for (const ExportColumn &column : m_sheet->columns) {
        const auto start = quint32(m_pool.size());
        for (qsizetype i = 0; i < column.parts.size(); ++i) {
            const FieldSlot &p = column.parts[i];
            if (i > 0)
                m_pool.append(' ');
            m_pool.append(trimmedBytes(ShortText::rawBytes(record + p.offset, p.capacity)));
        }
        // A composite value with an empty part must not keep the joining blank.
        const QByteArrayView joined(m_pool.constData() + start, m_pool.size() - start);
        const QByteArrayView value = trimmedBytes(joined);
        m_cells.push_back(Cell{quint32(start + (value.data() - joined.data())), quint32(value.size())});
    }
    ++m_rows;
    ++m_records;
}

void ExportTable::addPlaceholderRows()
{
    m_cells.resize(m_cells.size() + size_t(kPlaceholderRows) * size_t(m_columns), Cell{0, 0});
    m_rows += kPlaceholderRows;
}

void ExportTable::load(const QString &archivePath)
{
    RecordFile file(archivePath, m_sheet->recordSize);
    reserve(m_rows + file.count());
    file.scan([this](const char *record, int) {
        appendRecord(record);
        return true;
    });
    file.close();
}

#include "export/ExportTable.h"
#include "storage/Cp1252.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"
#include "storage/StorageError.h"

#include <cstring>

#include <limits>

namespace {
// Cells address the pool with 32 bits.
constexpr quint64 kMaxPool = std::numeric_limits<quint32>::max();
}

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
    for (const ExportColumn &c : sheet.columns)
        for (const FieldSlot &p : c.parts)
            m_widestRow += p.capacity + 1;
}

QByteArrayView ExportTable::bytes(int row, int column) const
{
    const Cell &c = cell(row, column);
    return QByteArrayView(m_pool.data() + c.offset, c.length);
}

QString ExportTable::text(int row, int column) const
{
    const QByteArrayView b = bytes(row, column);
    return Cp1252::decode(b.data(), b.size());
}

void ExportTable::setText(int row, int column, const QString &text)
{
    const QByteArray encoded = Cp1252::encode(text);
    if (quint64(m_pool.size()) + quint64(encoded.size()) > kMaxPool)
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
    m_pool.reserve(qsizetype(rows) * (m_widestRow / 4) + m_widestRow);
}

void ExportTable::appendRecord(const char *record)
{
    // Records may fill half of the pool; the rest stays for edits.
    if (quint64(m_pool.size()) + quint64(m_widestRow) > kMaxPool / 2)
        throw StorageError(QStringLiteral("export grid too large"));
    const qsizetype base = m_pool.size();
    char *const room = m_pool.room(m_widestRow);
    char *at = room;
    for (const ExportColumn &column : m_sheet->columns) {
        char *const start = at;
        for (qsizetype i = 0; i < column.parts.size(); ++i) {
            const FieldSlot &p = column.parts[i];
            if (i > 0)
                *at++ = ' ';
            const QByteArrayView value = trimmedBytes(ShortText::rawBytes(record + p.offset, p.capacity));
            std::memcpy(at, value.data(), size_t(value.size()));
            at += value.size();
        }
        // A composite value with an empty part must not keep the joining blank.
        const QByteArrayView value = trimmedBytes(QByteArrayView(start, at - start));
        m_cells.push_back(Cell{quint32(base + (value.data() - room)), quint32(value.size())});
    }
    m_pool.commit(at);
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

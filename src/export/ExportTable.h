#pragma once
#include "export/ByteBuffer.h"
#include "export/ExportSheet.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <vector>

// The cells of an export grid, kept as Windows-1252 bytes in one pool so
// that a whole archive costs little more memory than its exported text.
class ExportTable
{
public:
    // An archive without records shows this many empty rows.
    static constexpr int kPlaceholderRows = 10;

    explicit ExportTable(const ExportSheet &sheet);

    const ExportSheet &sheet() const { return *m_sheet; }
    int rowCount() const { return m_rows; }
    int columnCount() const { return m_columns; }
    // Rows read from the archive; the rows after them are placeholders.
    int recordCount() const { return m_records; }

    QByteArrayView bytes(int row, int column) const;
    QString text(int row, int column) const;
    // Characters the code page cannot hold become '?', as in the archives.
    void setText(int row, int column, const QString &text);
    bool isRowBlank(int row) const;

    // Reads every record of the archive (created empty when missing).
    // Throws StorageError; the rows read before a failure stay.
    void load(const QString &archivePath);
    // One record as encoded in the archive, `sheet().recordSize` bytes.
    void appendRecord(const char *record);
    void addPlaceholderRows();

private:
    struct Cell
    {
        quint32 offset;
        quint32 length;
    };
    void reserve(int rows);
    Cell &cell(int row, int column) { return m_cells[size_t(row) * size_t(m_columns) + size_t(column)]; }
    const Cell &cell(int row, int column) const
    {
        return m_cells[size_t(row) * size_t(m_columns) + size_t(column)];
    }

    const ExportSheet *m_sheet;
    int m_columns;
    int m_rows = 0;
    int m_records = 0;
    qsizetype m_widestRow = 0;  // bytes a record can take at most
    ByteBuffer m_pool;
    std::vector<Cell> m_cells;
};

// Leading and trailing characters of code 32 or lower removed, as every
// text of the archives is trimmed.
QByteArrayView trimmedBytes(QByteArrayView bytes);

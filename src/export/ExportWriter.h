#pragma once
#include "export/ByteBuffer.h"

#include <QByteArray>
#include <QString>

class ExportTable;

// The spreadsheet file: an HTML table with the Excel workbook extensions,
// in Windows-1252 and on one line.
namespace ExportWriter {
// The whole file. Record rows are written from the first to the last;
// placeholder rows only when something was typed into them.
QByteArray render(const ExportTable &table);
// Writes the same bytes to `path` block by block, replacing any file there;
// throws StorageError when it cannot.
void write(const ExportTable &table, const QString &path);
// Cell text as the file holds it: trimmed, with "&", "<" and ">" as entities.
void appendCell(ByteBuffer &out, QByteArrayView text);
}

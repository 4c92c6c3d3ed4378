#pragma once
#include <QByteArray>
#include <QString>

class ExportTable;

// The spreadsheet file: an HTML table with the Excel workbook extensions,
// in Windows-1252 and on one line.
namespace ExportWriter {
// Record rows are written from the first to the last; placeholder rows
// only when something was typed into them.
QByteArray render(const ExportTable &table);
// Replaces any file at `path`; throws StorageError when it cannot.
void writeFile(const QString &path, const QByteArray &content);
// Cell text as the file holds it: trimmed, with "&", "<" and ">" as entities.
void appendCell(QByteArray &out, QByteArrayView text);
}

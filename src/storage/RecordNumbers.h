#pragma once
#include <QHash>
#include <QString>

class RecordFile;

// Card and receipt numbers, unique within their archive.
namespace RecordNumbers {

// How two numbers are compared: trimmed, and the letters a-z as A-Z.
QString key(QStringView number);

// Every number held in the archive, by its key, with the 0-based index of
// the first record that holds it; record `except` and empty numbers are left
// out. Reads only the number's slot of each record.
QHash<QString, int> holders(RecordFile &file, int slotOffset, int capacity, int except = -1);

} // namespace RecordNumbers

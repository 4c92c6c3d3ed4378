#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class LineFormat;

// Whole-archive reading for the searches and summaries: every record from
// the first, in large blocks, on the encoded bytes.
namespace ArchiveScan {

using Visit = std::function<bool(const char *record, int index)>;  // false stops
// Opens the archive (created empty when missing), reads it and closes it.
// Throws StorageError.
void each(const QString &path, int recordSize, const Visit &visit);

struct Lines
{
    QStringList lines;      // file order
    QList<int> records;     // beside each line, the 0-based number of its record
    bool complete = true;   // false when a failure ended the reading early
};
// The lines of the records that qualify (all of them when `qualifies` is
// empty). A failure keeps the lines read so far.
Lines collect(const QString &path, int recordSize, const LineFormat &format,
              const std::function<bool(const char *record)> &qualifies = {});

struct Found
{
    int index;          // 0-based record number
    QByteArray record;  // its bytes
};
// Record `index` of the archive, read again when a list line is opened:
// each line keeps the number of the record it was built from, so two records
// with equal lines each open as themselves. Throws StorageError, also when
// the archive no longer holds that record.
Found recordAt(const QString &path, int recordSize, int index);

} // namespace ArchiveScan

#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

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
// A line stores no record position, so the record is found again by
// rebuilding every record's line: the last equal one (both trimmed) wins.
// Throws StorageError.
std::optional<Found> lastWithLine(const QString &path, int recordSize, const LineFormat &format,
                                  const QString &line);

} // namespace ArchiveScan

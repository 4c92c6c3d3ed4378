#include "summaries/ArchiveScan.h"
#include "storage/RecordFile.h"
#include "storage/StorageError.h"
#include "summaries/ResultLines.h"

namespace ArchiveScan {

void each(const QString &path, int recordSize, const Visit &visit)
{
    RecordFile file(path, recordSize);
    file.scan(visit);
    file.close();
}

Lines collect(const QString &path, int recordSize, const LineFormat &format,
              const std::function<bool(const char *)> &qualifies)
{
    Lines result;
    try {
        each(path, recordSize, [&](const char *record, int) {
            if (!qualifies || qualifies(record))
                result.lines.append(format.build(record));
            return true;
        });
    } catch (const StorageError &) {
        result.complete = false;
    }
    return result;
}

std::optional<Found> lastWithLine(const QString &path, int recordSize, const LineFormat &format,
                                  const QString &line)
{
    const QString wanted = ShortText::trimmed(line);
    std::optional<Found> found;
    each(path, recordSize, [&](const char *record, int index) {
        if (ShortText::trimmed(format.build(record)) == wanted)
            found = Found{index, QByteArray(record, recordSize)};
        return true;
    });
    return found;
}

} // namespace ArchiveScan

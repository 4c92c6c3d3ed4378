#include "resultlist/ArchiveScan.h"
#include "storage/RecordFile.h"
#include "storage/StorageError.h"
#include "resultlist/ResultLines.h"

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
        each(path, recordSize, [&](const char *record, int index) {
            if (!qualifies || qualifies(record)) {
                result.lines.append(format.build(record));
                result.records.append(index);
            }
            return true;
        });
    } catch (const StorageError &) {
        result.complete = false;
    }
    return result;
}

Found recordAt(const QString &path, int recordSize, int index)
{
    RecordFile file(path, recordSize);
    Found found{index, file.read(index)};
    file.close();
    return found;
}

} // namespace ArchiveScan

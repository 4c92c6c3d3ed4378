#include "storage/Numbering.h"
#include "storage/Clock.h"
#include "storage/DataFolder.h"
#include "storage/IniFile.h"
#include "storage/RecordFile.h"
#include "storage/StorageError.h"
#include "storage/YesNo.h"

#include <limits>

namespace Numbering {

QString compose(const QString &start, const QString &yearOption, int count, int year)
{
    QString s = start.trimmed();
    if (s.isEmpty())
        s = QStringLiteral("1");
    bool ok = false;
    const qlonglong first = s.toLongLong(&ok);
    if (!ok)
        throw StorageError(QStringLiteral("start value is not a number"));
    // A start value of any length may be stored; one whose sum leaves the range is refused, not wrapped.
    if (count < 0 || first > std::numeric_limits<qlonglong>::max() - count)
        throw StorageError(QStringLiteral("start value too large"));
    QString number = QString::number(first + count);
    if (yearOption.trimmed() == YesNo::yes())
        number += u'/' + QString::number(year);
    return number;
}

QString proposed(const QString &archivePath, int recordSize, const QString &section)
{
    const IniFile ini(DataFolder::file(FileNames::settings()));
    const QString start = ini.value(section, startKey());
    const QString yearOption = ini.value(section, yearKey());
    const int count = countRecords(archivePath, recordSize);
    return compose(start, yearOption, count, Clock::today().year());
}

} // namespace Numbering

#include "receipts/ReceiptArchive.h"
#include "storage/DataFolder.h"

namespace ReceiptArchive {

QString path(const QString &year)
{
    return DataFolder::file(year.trimmed() + QStringLiteral(".ric"));
}

QString lineNumber(int line)
{
    return QStringLiteral("%1").arg(line, 2, 10, QLatin1Char('0'));
}

QString lineControl(const char *prefix, int line)
{
    return QLatin1StringView(prefix) + lineNumber(line);
}

} // namespace ReceiptArchive

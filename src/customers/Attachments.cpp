#include "customers/Attachments.h"
#include "storage/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace Attachments {

QString folder() { return DataFolder::path() + QStringLiteral("Documenti_Allegati/"); }

QString pathOf(const QString &fileName) { return folder() + fileName; }

CopyResult copyIn(const QString &source, const std::function<bool()> &askOverwrite)
{
    const QFileInfo from(source);
    if (!QDir().mkpath(folder()))
        return CopyResult::Failed;
    const QString target = pathOf(from.fileName());
    if (QFileInfo::exists(target)) {
        // Picking a file that is already the attachment itself: replacing it
        // with itself would only risk losing it.
        if (from.canonicalFilePath() == QFileInfo(target).canonicalFilePath())
            return CopyResult::AlreadyThere;
        if (!askOverwrite())
            return CopyResult::Kept;
    }
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return CopyResult::Failed;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return CopyResult::Failed;
    char buffer[64 * 1024];
    for (;;) {
        const qint64 n = in.read(buffer, sizeof buffer);
        if (n < 0) {
            out.cancelWriting();
            return CopyResult::Failed;
        }
        if (n == 0)
            break;
        if (out.write(buffer, n) != n) {
            out.cancelWriting();
            return CopyResult::Failed;
        }
    }
    return out.commit() ? CopyResult::Copied : CopyResult::Failed;
}

} // namespace Attachments

#include "backup/BackupSettings.h"
#include "storage/IniFile.h"

namespace BackupSettings {

namespace {
const QString kSection = QStringLiteral("Backup");
const QString kFolder = QStringLiteral("Cartella");
const QString kLast = QStringLiteral("Ultimo");
const QString kMomentFormat = QStringLiteral("dd/MM/yyyy HH:mm");
}

QString folder(const QString &settingsFile) { return IniFile::read(settingsFile, kSection, kFolder); }

void setFolder(const QString &settingsFile, const QString &folder)
{
    IniFile::write(settingsFile, kSection, kFolder, folder);
}

QDateTime lastSuccess(const QString &settingsFile)
{
    return QDateTime::fromString(IniFile::read(settingsFile, kSection, kLast), kMomentFormat);
}

void setLastSuccess(const QString &settingsFile, const QDateTime &moment)
{
    IniFile::write(settingsFile, kSection, kLast, moment.toString(kMomentFormat));
}

QString ageText(const QDateTime &last, const QDate &today)
{
    if (!last.isValid())
        return QStringLiteral("Nessun backup eseguito");
    const qint64 days = last.date().daysTo(today);
    if (days <= 0)
        return QStringLiteral("Ultimo backup: oggi");
    if (days == 1)
        return QStringLiteral("Ultimo backup: ieri");
    return QStringLiteral("Ultimo backup: ") + QString::number(days) + QStringLiteral(" giorni fa");
}

bool isOverdue(const QDateTime &last, const QDate &today)
{
    return !last.isValid() || last.date().daysTo(today) > 7;
}

}

#pragma once
#include <QDateTime>
#include <QString>

// Where backups go and when the last one succeeded: section "Backup" of the
// settings file of a data folder.
namespace BackupSettings {
QString folder(const QString &settingsFile);
void setFolder(const QString &settingsFile, const QString &folder);       // throws StorageError
QDateTime lastSuccess(const QString &settingsFile);                        // invalid when none
void setLastSuccess(const QString &settingsFile, const QDateTime &moment); // throws StorageError

// "Ultimo backup: oggi", "... ieri", "... 12 giorni fa", or "Nessun backup eseguito".
QString ageText(const QDateTime &last, const QDate &today);
// True when the last backup is older than a week, or there is none.
bool isOverdue(const QDateTime &last, const QDate &today);
}

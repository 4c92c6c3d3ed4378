#pragma once
#include <QDateTime>
#include <QString>
#include <functional>

// Writes every file of a data folder into one zip in a destination folder,
// reopens it and checks each entry's size and CRC against the source. On any
// failure the zip is not left behind; nothing that was already in the
// destination is touched.
namespace Backup {

struct Result
{
    bool ok = false;
    QString zipPath;    // the written file (empty on failure)
    int files = 0;      // regular files copied
    qint64 bytes = 0;   // their total size
    QString error;      // Italian cause of the failure, without "Attenzione:"
    bool cancelled = false;
};

// Called with the share done (0..1); returning false cancels the copy.
using Progress = std::function<bool(double)>;

// "Valtrena-backup-AAAA-MM-GG-HHMM.zip"
QString fileName(const QDateTime &moment);

Result write(const QString &dataFolder, const QString &destinationFolder, const QDateTime &moment,
             const Progress &progress = {});

// "Backup completato: N file (M MB) in <path>."
QString completionText(const Result &result);
// "12,3 MB", one decimal with a comma.
QString megabytes(qint64 bytes);

}

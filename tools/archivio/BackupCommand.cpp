#include "BackupCommand.h"
#include "backup/BackupSettings.h"
#include "backup/BackupWriter.h"
#include "storage/DataFolder.h"
#include "storage/StorageError.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <csignal>
#include <cstdio>

namespace BackupCommand {

namespace {
void print(FILE *to, const QString &text) { std::fputs(text.toUtf8().constData(), to); }
}

int main(int argc, char **argv)
{
    // A file-size limit (a quota, a full volume under ulimit) must end in an
    // error and a removed temporary file, not in a killed process.
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        print(stderr, QStringLiteral("Uso: valtrena-archivio backup CARTELLA_DATI DESTINAZIONE\n"));
        return 2;
    }
    const QString data = args[2];
    const QDateTime now = QDateTime::currentDateTime();
    const Backup::Result result = Backup::write(data, args[3], now);
    if (!result.ok) {
        print(stderr, QStringLiteral("Backup non riuscito: ") + result.error + QLatin1Char('\n'));
        return 2;
    }
    print(stdout, Backup::completionText(result) + QLatin1Char('\n'));
    // The main menu shows the age of the last backup, whoever made it.
    try {
        BackupSettings::setLastSuccess(QDir(data).filePath(FileNames::settings()), now);
    } catch (const StorageError &) {
        print(stderr, QStringLiteral("Nota: impossibile annotare la data del backup in ")
                          + QDir::toNativeSeparators(QDir(data).filePath(FileNames::settings())) + QLatin1Char('\n'));
    }
    return 0;
}

}

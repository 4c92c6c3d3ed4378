#include "app/BackupAction.h"
#include "ui/Messages.h"
#include "ui/Modal.h"
#include "backup/BackupSettings.h"
#include "backup/BackupWriter.h"
#include "storage/Clock.h"
#include "storage/DataFolder.h"
#include "storage/StorageError.h"

#include <QLabel>
#include <QProgressDialog>
#include <QStyle>

namespace BackupAction {

namespace {
QString settingsFile() { return DataFolder::file(FileNames::settings()); }

QString rememberedFolder()
{
    try {
        return BackupSettings::folder(settingsFile());
    } catch (const StorageError &) {
        return {};
    }
}

const QString kNoteFailed = QStringLiteral("\r\nNon è stato possibile annotarlo nel file delle impostazioni.");
} // namespace

void run(QWidget *parent)
{
    const QString destination = Modal::chooseFile(
        parent, {Modal::FileKind::Folder, QStringLiteral("Cartella in cui salvare il backup"), rememberedFolder(), {}});
    if (destination.isEmpty())
        return;
    QString note;
    try {
        BackupSettings::setFolder(settingsFile(), destination);
    } catch (const StorageError &) {
        // The copy matters more than remembering where it went.
    }

    QProgressDialog progress(QStringLiteral("Copia di sicurezza dei dati in corso..."), QStringLiteral("Annulla"), 0,
                             1000, parent);
    progress.setObjectName(QStringLiteral("dlgBackup"));
    progress.setWindowTitle(QStringLiteral(" Backup"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(400);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    const QDateTime now = Clock::now();
    const Backup::Result result =
        Backup::write(DataFolder::path(), destination, now, [&progress](double done) {
            progress.setValue(int(done * 1000));
            return !progress.wasCanceled();
        });
    progress.close();

    if (result.cancelled) {
        Messages::information(QStringLiteral("Backup annullato: nessun file è stato scritto."), parent);
        return;
    }
    if (!result.ok) {
        Messages::error(QStringLiteral("Attenzione: backup non riuscito: ") + result.error
                            + QStringLiteral("\r\nNessun file incompleto è rimasto nella destinazione."),
                        parent);
        return;
    }
    try {
        BackupSettings::setLastSuccess(settingsFile(), now);
    } catch (const StorageError &) {
        note = kNoteFailed;
    }
    Messages::information(Backup::completionText(result) + note, parent);
}

void showAge(QLabel *label)
{
    QDateTime last;
    try {
        last = BackupSettings::lastSuccess(settingsFile());
    } catch (const StorageError &) {
    }
    label->setText(BackupSettings::ageText(last, Clock::today()));
    label->setProperty("overdue", BackupSettings::isOverdue(last, Clock::today()));
    label->style()->unpolish(label);
    label->style()->polish(label);
}

}

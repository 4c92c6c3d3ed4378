#include "register/compliancelist/ComplianceList.h"
#include "ui/WindowNames.h"
#include "ui/RecordWindow.h"
#include "ui/Messages.h"
#include "register/Placeholder.h"
#include "register/compliance/PhotoEvidence.h"
#include "register/compliance/RegisterCompliance.h"
#include "storage/ArchiveTexts.h"
#include "storage/DataFolder.h"
#include "storage/DateText.h"
#include "storage/StorageError.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>

namespace {

ListWindowSpec complianceSpec()
{
    ListWindowSpec spec;
    spec.className = WindowNames::of<TfrmConformita>();
    spec.caption = QStringLiteral(" Verifica conformità del Registro Operazioni");
    spec.list.sorted = false;  // by card, then by code, as found
    spec.maximised = true;
    return spec;
}

QString countText(int findings)
{
    return findings == 1 ? QStringLiteral("1 segnalazione") : QString::number(findings) + QStringLiteral(" segnalazioni");
}

} // namespace

TfrmConformita::TfrmConformita(QWidget *parent) : ResultListDialog(complianceSpec(), parent)
{
    lblDal = new QLabel(this);
    lblDal->setObjectName(QStringLiteral("lblDal"));
    lblDal->hide();
    lblAl = new QLabel(this);
    lblAl->setObjectName(QStringLiteral("lblAl"));
    lblAl->hide();
    // A line is a finding, not a card: its card is kept beside it.
    disconnect(list(), &ResultList::recordRequested, this, &ResultListDialog::lstRecordsDblClick);
    connect(list(), &ResultList::recordRequested, this, &TfrmConformita::openSelectedCard);
}

void TfrmConformita::formShow()
{
    list()->reset();
    list()->clear();
    const QDate from = DateText::parse(lblDal->text());
    const QDate to = DateText::parse(lblAl->text());

    Compliance::Settings settings;
    Compliance::RegisterReport report;
    try {
        QStringList problems;
        settings = Compliance::readSettings(DataFolder::file(FileNames::settings()), &problems);
        if (!problems.isEmpty())
            Messages::warning(QStringLiteral("Attenzione: ") + problems.join(u' '), this);
        QFile archive(DataFolder::file(FileNames::registerArchive()));
        if (archive.exists()) {
            if (QFileInfo(archive).isDir() || !archive.open(QIODevice::ReadOnly))
                throw StorageError(archive.errorString());
            const PhotoEvidence evidence(Placeholder::ringPhoto());
            report = Compliance::checkRegister(archive, settings,
                                               Compliance::photoFilesIn(DataFolder::path(), evidence));
            if (!report.complete)
                throw StorageError(QStringLiteral("short read"));
        }
    } catch (const StorageError &) {
        Messages::error(ArchiveTexts::ioFailure(), this);
    }

    QStringList lines;
    QList<int> cards;  // the record each finding belongs to
    for (const Compliance::RegisterFinding &f : std::as_const(report.findings)) {
        if (from.isValid() || to.isValid()) {
            // A card whose date cannot be read belongs to no period.
            const QDate date = DateText::parse(f.date);
            if (!date.isValid() || (from.isValid() && date < from) || (to.isValid() && date > to))
                continue;
        }
        lines << ResultLines::fit(f.number, 12) + QStringLiteral("  ") + ResultLines::fit(f.date, 10)
                     + QStringLiteral("  ") + ResultLines::fit(f.customer, 30) + QStringLiteral("  ") + f.code
                     + QStringLiteral(": ") + f.text;
        cards << f.position - 1;
    }
    QString period;
    if (from.isValid())
        period += QStringLiteral(" dal ") + DateText::format(from);
    if (to.isValid())
        period += QStringLiteral(" al ") + DateText::format(to);
    m_title = QStringLiteral("Verifica conformità del Registro Operazioni") + period + QStringLiteral(": ")
              + countText(int(lines.size()));
    setWindowTitle(u' ' + m_title);
    if (auto *banner = findChild<QLabel *>(QStringLiteral("panTitolo")))
        banner->setText(m_title);
    list()->setLines(lines, cards);
    list()->focusFind();
}

void TfrmConformita::openSelectedCard()
{
    const int record = list()->selectedRecord();
    if (record >= 0)
        RecordWindows::load(WindowNames::registro, record);
    accept();
}

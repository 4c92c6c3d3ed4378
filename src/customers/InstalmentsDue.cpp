#include "customers/InstalmentsDue.h"
#include "ui/WindowNames.h"
#include "ui/RecordWindow.h"
#include "customers/CustomerRecord.h"
#include "customers/DialogBanner.h"
#include "storage/AmountText.h"
#include "storage/Clock.h"
#include "storage/DataFolder.h"
#include "storage/DateText.h"

#include <QVBoxLayout>

namespace {

const QString kTitle = QStringLiteral("Riepilogo rate in scadenza o scadute");

LineFormat dueLine()
{
    using F = LineFormat;
    return F({F::joined<CustomerRecord>(QString(), {"Cognome", "Nome"}, 30, QStringLiteral("Cognome e nome")),
              F::field<CustomerRecord>(QStringLiteral("  Tel. "), "Recapito", 12, QStringLiteral("Telefono")),
              F::field<CustomerRecord>(QStringLiteral("  Scad. "), "Scadenza", 10, QStringLiteral("Scadenza")),
              F::field<CustomerRecord>(QStringLiteral("  Rata: € "), "Rata", 15, QStringLiteral("Rata")),
              F::field<CustomerRecord>(QStringLiteral("  Causale: "), "Acquisto", F::kRest,
                                       QStringLiteral("Causale"))});
}

ListWindowSpec windowSpec()
{
    ListWindowSpec s;
    s.className = WindowNames::of<TfrmDaRinnovare>();
    s.caption = u' ' + kTitle;
    s.printTitle = kTitle;
    s.windowButtons = false;
    return s;
}

} // namespace

TfrmDaRinnovare::TfrmDaRinnovare(QWidget *parent) : ResultListDialog(windowSpec(), parent)
{
    setSource({[] { return DataFolder::file(FileNames::customerArchive()); }, CustomerRecordLayout::size,
               dueLine()});
    outerLayout()->insertWidget(
        0, DialogBanner::make(this, QStringLiteral("calendar"), QStringLiteral("Rate in scadenza o scadute"),
                              QStringLiteral("I clienti la cui prossima rata scade entro i giorni di preavviso "
                                             "indicati nella scheda, oppure è già scaduta.")));
}

bool TfrmDaRinnovare::isDue(const char *record, const QDate &today)
{
    static const int due = CustomerRecordLayout::indexOf(u"Scadenza");
    static const int notice = CustomerRecordLayout::indexOf(u"Preavviso");
    const QDate dueDate = DateText::parse(CustomerRecordLayout::field(record, due));
    const QString days = CustomerRecordLayout::field(record, notice);
    if (!dueDate.isValid() || days.isEmpty() || !AmountText::isDigitsOnly(days))
        return false;
    return today >= dueDate.addDays(-days.toInt());
}

QString TfrmDaRinnovare::lineOf(const char *record)
{
    static const LineFormat format = dueLine();
    return format.build(record);
}

void TfrmDaRinnovare::formShow()
{
    const QDate today = Clock::today();
    fillFromArchive([today](const char *record) { return isDue(record, today); });
}

void TfrmDaRinnovare::deliver(const ArchiveScan::Found &found)
{
    RecordWindows::load(WindowNames::anagrafica, found.index);
}

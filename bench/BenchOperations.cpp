#include "BenchOperations.h"
#include "ui/AppWindows.h"
#include "ui/Controls.h"
#include "ui/Messages.h"
#include "ui/Modal.h"
#include "ui/Shell.h"
#include "customers/CustomerSearch.h"
#include "customers/InstalmentsDue.h"
#include "export/ExportWindows.h"
#include "receipts/ReceiptSearch.h"
#include "register/Placeholder.h"
#include "register/compliance/PhotoEvidence.h"
#include "register/compliance/RegisterCompliance.h"
#include "register/compliancelist/ComplianceList.h"
#include "register/search/RegisterSearch.h"
#include "summaries/InventoryChooser.h"
#include "summaries/PayoutChooser.h"
#include "summaries/PeriodSummaryWindow.h"
#include "summaries/StatisticsWindow.h"
#include "summaries/UnpaidReceipts.h"
#include "summaries/UnsoldList.h"

#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <memory>
#include <utility>

namespace BenchOperations {

namespace {

using Criteria = QList<std::pair<const char *, QString>>;

// Messages shown since the last trial was prepared: a window that shows one
// instead of its list has failed.
QStringList &shownMessages()
{
    static QStringList messages;
    return messages;
}

// The list of the last modal window, read while it was open.
Outcome &modalOutcome()
{
    static Outcome outcome;
    return outcome;
}

Outcome listOutcome(const ResultListDialog &dialog)
{
    Outcome o;
    o.lines = dialog.list()->count();
    for (const QString &line : dialog.list()->lines())
        o.shownBytes += line.size() * qsizetype(sizeof(QChar));
    return o;
}

Outcome checked(Outcome o)
{
    if (!shownMessages().isEmpty())
        o.failure = shownMessages().first();
    return o;
}

void setControls(QWidget *window, const Criteria &criteria)
{
    for (const auto &[control, text] : criteria)
        Controls::setText(window, QLatin1StringView(control), text);
}

// A search window: criteria typed, then "Cerca".
template <class D>
Operation search(const QString &name, const QString &archive, int records, const Criteria &criteria)
{
    return {name, Kind::Search, archive, records, [criteria] {
                shownMessages().clear();
                auto dialog = std::make_shared<D>();
                setControls(dialog.get(), criteria);
                return Trial{[dialog] { dialog->btnCercaClick(); },
                             [dialog] { return checked(listOutcome(*dialog)); }};
            }};
}

// A list window that fills itself while it is being opened.
template <class D>
Operation filledOnOpening(const QString &name, const QString &archive, int records)
{
    return {name, Kind::Summary, archive, records, [] {
                shownMessages().clear();
                auto dialog = std::make_shared<std::unique_ptr<D>>();
                return Trial{[dialog] { *dialog = std::make_unique<D>(); },
                             [dialog] { return checked(listOutcome(**dialog)); }};
            }};
}

// A list window that fills itself when it is shown.
template <class D>
Operation filledOnShow(const QString &name, const QString &archive, int records)
{
    return {name, Kind::Summary, archive, records, [] {
                shownMessages().clear();
                auto dialog = std::make_shared<D>();
                return Trial{[dialog] { dialog->show(); }, [dialog] {
                                 dialog->hide();
                                 return checked(listOutcome(*dialog));
                             }};
            }};
}

// An export window: opened (the grid filled from the archive), then "Esporta".
template <class W>
Operation exportOf(const QString &name, const QString &archive, int records)
{
    return {name, Kind::Export, archive, records, [] {
                shownMessages().clear();
                auto window = std::make_shared<W>();
                return Trial{[window] {
                                 window->formShow();
                                 window->cmdEsportaClick();
                             },
                             [window] {
                                 Outcome o;
                                 const ExportTable &table = window->table();
                                 o.lines = table.recordCount();
                                 for (int r = 0; r < table.rowCount(); ++r)
                                     for (int c = 0; c < table.columnCount(); ++c)
                                         o.shownBytes += table.bytes(r, c).size();
                                 o.outputPath = window->exportPath();
                                 o.outputBytes = QFileInfo(o.outputPath).size();
                                 return checked(o);
                             }};
            }};
}

Operation monthSummary(const Archives &a)
{
    return {QStringLiteral("receipts: monthly summary"), Kind::Summary, a.receiptPath, a.receipts, [a] {
                shownMessages().clear();
                auto dialog = std::make_shared<TfrmRiepMensile>();
                setControls(dialog.get(), {{"lblAnno", a.receiptYear}, {"cboSelezione", QStringLiteral("MARZO")}});
                return Trial{[dialog] { dialog->btnVisualizzaClick(); },
                             [dialog] { return checked(listOutcome(*dialog)); }};
            }};
}

Operation statisticsSums(const Archives &a)
{
    return {QStringLiteral("receipts: statistics sums"), Kind::Summary, a.receiptPath, a.receipts, [a] {
                shownMessages().clear();
                auto *window = AppWindows::find<TfrmStatistiche>();
                setControls(window, {{"txtAnno", a.receiptYear}});
                return Trial{[window] { window->btnApriClick(); }, [] {
                                 Outcome o;
                                 o.lines = 12;  // one sum a month
                                 return checked(o);
                             }};
            }};
}

Operation inventory(const Archives &a)
{
    return {QStringLiteral("register: inventory"), Kind::Summary, a.registerPath, a.registerCards, [] {
                shownMessages().clear();
                auto *chooser = AppWindows::find<TfrmMenuRiepilogo>();
                setControls(chooser, {{"txtTipologia", QString()}});
                modalOutcome() = {};
                return Trial{[chooser] { chooser->btnVisualizzaClick(); }, [] { return checked(modalOutcome()); }};
            }};
}

Operation payoutSummary(const Archives &a)
{
    return {QStringLiteral("register: payout summary, a year"), Kind::Summary, a.registerPath,
            a.registerCards, [a] {
                shownMessages().clear();
                auto *chooser = AppWindows::find<TfrmMenuRiepCosti>();
                setControls(chooser, {{"txtAnno", a.payoutYear},
                                      {"txtEsecutore", QString()},
                                      {"txtCCP", QString()},
                                      {"txtGiornoInizio", QStringLiteral("01")},
                                      {"txtMeseInizio", QStringLiteral("Gennaio")},
                                      {"txtGiornoFine", QStringLiteral("31")},
                                      {"txtMeseFine", QStringLiteral("Dicembre")}});
                chooser->txtAnnoChange();
                modalOutcome() = {};
                return Trial{[chooser] { chooser->btnVisualizzaClick(); },
                             [] { return checked(modalOutcome()); }};
            }};
}

Operation measured(Operation op)
{
    op.kind = Kind::Measured;
    return op;
}

// The rules over every card of the register, as the command-line check runs
// them; photos looked up in `photoFolder` unless it is empty.
Operation complianceCheck(const QString &name, const Archives &a, const QString &photoFolder)
{
    const QString archive = a.registerPath;
    return {name, photoFolder.isEmpty() ? Kind::Search : Kind::Measured, archive, a.registerCards,
            [archive, photoFolder] {
                shownMessages().clear();
                auto report = std::make_shared<Compliance::RegisterReport>();
                return Trial{[archive, photoFolder, report] {
                                 static const PhotoEvidence evidence(Placeholder::ringPhoto());
                                 QFile file(archive);
                                 if (!file.open(QIODevice::ReadOnly)) {
                                     report->complete = false;
                                     return;
                                 }
                                 *report = Compliance::checkRegister(
                                     file, Compliance::Settings{},
                                     photoFolder.isEmpty() ? Compliance::PhotoLookup{}
                                                           : Compliance::photoFilesIn(photoFolder, evidence));
                             },
                             [report] {
                                 Outcome o;
                                 o.lines = report->findings.size();
                                 for (const Compliance::RegisterFinding &f : std::as_const(report->findings))
                                     o.shownBytes += (f.number.size() + f.date.size() + f.customer.size()
                                                      + f.code.size() + f.text.size())
                                                     * qsizetype(sizeof(QChar));
                                 if (!report->complete)
                                     o.failure = QStringLiteral("the register could not be read to its end");
                                 return checked(o);
                             }};
            }};
}

} // namespace

void setUp(const Archives &archives)
{
    Messages::setHandler([](MessageKind kind, const QString &text) {
        // Export now: yes. Open the written file: no.
        if (kind == MessageKind::Confirmation)
            return text.contains(QStringLiteral("esportare i dati adesso"));
        shownMessages().append(text);
        return true;
    });
    Shell::setOpener([](const QString &) {});
    // A summary opened modally fills when it is shown; it is closed at once.
    Modal::setRunner([](QDialog *dialog) {
        dialog->show();
        if (const auto *list = qobject_cast<const ResultListDialog *>(dialog))
            modalOutcome() = listOutcome(*list);
        dialog->hide();
        return int(QDialog::Rejected);
    });
    QWidget *receipts = AppWindows::get(QStringLiteral("TfrmRicevute"));
    Controls::setText(receipts, QStringLiteral("lblFile"), archives.receiptPath);
    Controls::setText(receipts, QStringLiteral("lblAnno"), archives.receiptYear);
}

QList<Operation> all(const Archives &a)
{
    const QString reg = a.registerPath;
    const QString cus = a.customerPath;
    const QString ric = a.receiptPath;
    return {
        search<TfrmTrovaRegistro>(QStringLiteral("register: search, 3 criteria"), reg, a.registerCards,
                                  {{"txtNatura", QStringLiteral("oro giallo")},
                                   {"txtCliente", QStringLiteral("rossi")},
                                   {"txtDescrizione", QStringLiteral("anello")}}),
        search<TfrmTrovaRegistro>(QStringLiteral("register: search, none (all)"), reg, a.registerCards, {}),
        filledOnShow<TfrmDaVendere>(QStringLiteral("register: unsold list"), reg, a.registerCards),
        inventory(a),
        payoutSummary(a),
        exportOf<TfrmExpRegistro>(QStringLiteral("register: export"), reg, a.registerCards),
        complianceCheck(QStringLiteral("register: compliance, no photos"), a, QString()),
        complianceCheck(QStringLiteral("register: compliance, photo files"), a, a.photoFolder),
        measured(filledOnShow<TfrmConformita>(QStringLiteral("register: compliance list"), reg, a.registerCards)),
        search<TfrmTrovaClienti>(QStringLiteral("customers: search, 3 criteria"), cus, a.customers,
                                 {{"txtCognome", QStringLiteral("rossi")},
                                  {"txtNome", QStringLiteral("mario")},
                                  {"txtCategoria", QStringLiteral("privato")}}),
        filledOnShow<TfrmDaRinnovare>(QStringLiteral("customers: instalments due"), cus, a.customers),
        exportOf<TfrmExpClienti>(QStringLiteral("customers: export"), cus, a.customers),
        search<TfrmTrovaRicevute>(QStringLiteral("receipts: search, 3 criteria"), ric, a.receipts,
                                  {{"txtCliente", QStringLiteral("rossi")},
                                   {"txtCittaCliente", QStringLiteral("ROMA")},
                                   {"txtPagamento", QStringLiteral("bonifico")}}),
        search<TfrmTrovaRicevute>(QStringLiteral("receipts: search, none (all)"), ric, a.receipts, {}),
        monthSummary(a),
        filledOnOpening<TfrmRiepAnnuale>(QStringLiteral("receipts: year summary"), ric, a.receipts),
        filledOnOpening<TfrmSospese>(QStringLiteral("receipts: unpaid"), ric, a.receipts),
        statisticsSums(a),
        exportOf<TfrmExpRicevute>(QStringLiteral("receipts: export"), ric, a.receipts),
    };
}

} // namespace BenchOperations

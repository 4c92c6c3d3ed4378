#include "receipts/ReceiptWindow.h"
#include "ui/Looks.h"
#include "ui/WindowNames.h"
#include "storage/AmountText.h"
#include "ui/Controls.h"
#include "ui/ArchiveNavigatorBinding.h"
#include "ui/CardChanges.h"
#include "ui/CodeChecks.h"
#include "ui/Dialogs.h"
#include "ui/FieldBehaviour.h"
#include "ui/FieldKind.h"
#include "ui/Help.h"
#include "ui/Messages.h"
#include "ui/NumberingDialog.h"
#include "ui/Theme.h"
#include "receipts/ReceiptArchive.h"
#include "receipts/ReceiptForm.h"
#include "receipts/ReceiptLines.h"
#include "receipts/ReceiptRecord.h"
#include "receipts/ReceiptTotals.h"
#include "storage/ArchiveTexts.h"
#include "storage/Clock.h"
#include "storage/DataFolder.h"
#include "storage/DateText.h"
#include "storage/IniFile.h"
#include "storage/Numbering.h"
#include "storage/RecordFile.h"
#include "storage/StorageError.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QResizeEvent>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The customer and receipt fields that Clear empties; the issuer fields and
// the stamp duty stay for the next receipt.
constexpr const char *kClearedFields[] = {
    "txtNumRic", "txtData", "txtCliente", "txtViaCliente", "txtCapCliente", "txtCittaCliente",
    "txtIvaCliente", "txtCodFiscCliente", "txtNote", "txtRiferimenti", "txtPagamento", "txtBanca",
    "txtTotCorrispettivi", "txtTotale",
};

constexpr const char *kIssuerFields[] = {
    "txtDitta", "txtViaDitta", "txtCapDitta", "txtCittaDitta", "txtProvDitta",
    "txtIvaDitta", "txtCodFiscDitta", "txtLibero01", "txtLibero02",
};

// Enter moves along the header fields, then to the totals.
constexpr const char *kEnterChain[] = {
    "txtDitta", "txtViaDitta", "txtCapDitta", "txtCittaDitta", "txtProvDitta", "txtIvaDitta",
    "txtCodFiscDitta", "txtLibero01", "txtLibero02", "txtCliente", "txtViaCliente", "txtCapCliente",
    "txtCittaCliente", "txtProvCliente", "txtIvaCliente", "txtCodFiscCliente", "txtNote", "txtNumRic",
    "txtData", "txtRiferimenti", "txtPagamento", "txtBanca", "txtAcconti", "txtTassa", "cmdCalcola",
};

QString name(const char *n) { return QLatin1StringView(n); }

constexpr int kRowSpacing = 6;  // between the rows of a panel on the smallest screen

} // namespace

TfrmRicevute::TfrmRicevute(QWidget *parent)
    : AreaWindow(WindowNames::of<TfrmRicevute>(), QStringLiteral(" Valtrena - Archivio ricevute"),
                 Presentation::Maximised, parent)
{
    setFont(Theme::font(Theme::Face::Body, 9));
    setStyleSheet(Theme::sheet(Theme::Sheet::Receipts));

    QWidget *toolbar = buildToolbar();
    QWidget *issuer = buildIssuerPanel();
    QWidget *customer = buildCustomerPanel();
    QWidget *receipt = buildReceiptPanel();
    m_lines = new ReceiptLines(this);
    QWidget *totals = buildTotalsPanel();

    panInfo = new QLabel(QStringLiteral("Pronto per archiviare una nuova ricevuta..."), this);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    Looks::set(panInfo, Looks::Look::Status);
    lblFile = Controls::stateLabel(this, "lblFile");
    lblAnno = Controls::stateLabel(this, "lblAnno");
    lblInizio = Controls::stateLabel(this, "lblInizio", QStringLiteral("1"));
    lblSolare = Controls::stateLabel(this, "lblSolare", QStringLiteral("ANNO"));

    auto *parties = new QHBoxLayout;
    parties->setSpacing(10);
    parties->addWidget(issuer, 10);
    parties->addWidget(customer, 11);
    parties->addWidget(receipt, 9);
    auto *body = new QHBoxLayout;
    body->setSpacing(10);
    body->addWidget(m_lines, 1);
    body->addWidget(totals);

    auto *content = new QVBoxLayout;
    content->setContentsMargins(10, 8, 10, 4);
    content->setSpacing(8);
    content->addLayout(parties);
    content->addLayout(body);
    content->addStretch(1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolbar);
    layout->addLayout(content, 1);
    layout->addWidget(panInfo);

    txtDitta = findChild<QLineEdit *>(QStringLiteral("txtDitta"));
    txtProvDitta = findChild<QComboBox *>(QStringLiteral("txtProvDitta"));
    txtIvaDitta = findChild<QLineEdit *>(QStringLiteral("txtIvaDitta"));
    txtCodFiscDitta = findChild<QLineEdit *>(QStringLiteral("txtCodFiscDitta"));
    txtCliente = findChild<QLineEdit *>(QStringLiteral("txtCliente"));
    txtProvCliente = findChild<QComboBox *>(QStringLiteral("txtProvCliente"));
    txtIvaCliente = findChild<QLineEdit *>(QStringLiteral("txtIvaCliente"));
    txtCodFiscCliente = findChild<QLineEdit *>(QStringLiteral("txtCodFiscCliente"));
    txtNumRic = findChild<QLineEdit *>(QStringLiteral("txtNumRic"));
    txtData = findChild<QLineEdit *>(QStringLiteral("txtData"));

    wireKeyboard();
    FieldBehaviour::installHintLine(this, panInfo);
    connect(m_lines, &ReceiptLines::importRequested, this, &TfrmRicevute::impMagClick);

    auto binding = recordBinding<ReceiptRecord>(this, [this] { return archivePath(); });
    // This window reports a failed Save or First as a warning.
    binding.firstFailure = binding.storeFailure = MessageKind::Warning;
    uniqueNumber<ReceiptRecord>(binding, "NumRic", txtNumRic, [this](int count) {
        return Numbering::compose(lblInizio->text(), lblSolare->text(), count, Clock::today().year());
    });
    m_navigator = std::make_unique<ArchiveNavigator>(lblPosizione, std::move(binding));
    m_changes = new CardChanges(this);
    m_navigator->setChanges(m_changes);
}

TfrmRicevute::~TfrmRicevute() = default;

// A taller screen opens the rows of every panel up instead of leaving the
// bottom of the window empty.
void TfrmRicevute::resizeEvent(QResizeEvent *event)
{
    AreaWindow::resizeEvent(event);
    const int extra = std::clamp((height() - 740) / 14, 0, 24);
    for (QGridLayout *grid : findChildren<QGridLayout *>())
        grid->setVerticalSpacing(kRowSpacing + extra);
}

void TfrmRicevute::wireKeyboard()
{
    FieldBehaviour::highlightAllWithRectangles(this);
    for (QComboBox *province : {txtProvDitta, txtProvCliente})
        FieldKinds::apply(province, FieldKind::province());
    FieldKinds::apply(txtCodFiscDitta, FieldKind::upperCase());
    FieldKinds::apply(txtCodFiscCliente, FieldKind::upperCase());

    for (QLineEdit *amount : {txtAcconti, txtTassa}) {
        FieldKinds::apply(amount, FieldKind::amount(4, QStringLiteral("0,00")));
        connect(amount, &QLineEdit::textEdited, txtTotale, &QLabel::clear);
    }
    connect(m_lines, &ReceiptLines::amountEdited, this, [this] {
        txtTotCorrispettivi->clear();
        txtTotale->clear();
    });

    QList<QPair<QString, QString>> links;
    for (std::size_t i = 0; i + 1 < std::size(kEnterChain); ++i)
        links.append({name(kEnterChain[i]), name(kEnterChain[i + 1])});
    for (int line = 1; line <= ReceiptLines::kLines; ++line) {
        const QString amount = ReceiptArchive::lineControl("txtPrezzo", line);
        links.append({ReceiptArchive::lineControl("txtDesc", line), amount});
        // The last line of each page goes to the advances; the page stays.
        links.append({amount, line % ReceiptLines::kPerPage == 0
                                  ? QStringLiteral("txtAcconti")
                                  : ReceiptArchive::lineControl("txtDesc", line + 1)});
    }
    FieldBehaviour::enterChain(this, links);
}

QString TfrmRicevute::archivePath() const { return lblFile->text().trimmed(); }

void TfrmRicevute::loadReceipt(int index) { m_navigator->load(index); }

void TfrmRicevute::formShow()
{
    try {
        const IniFile ini(DataFolder::file(FileNames::settings()));
        for (const auto &k : IssuerSettings::kKeys)
            Controls::setText(this, name(k.control), ini.value(IssuerSettings::section(), QString::fromUtf16(k.key)));
    } catch (const StorageError &) {
        // The issuer fields keep what they showed.
        Messages::error(ArchiveTexts::ioFailure(), this);
    }
    clearReceipt();
    m_changes->reset();
}

void TfrmRicevute::clearReceipt()
{
    for (const char *field : kClearedFields)
        Controls::setText(this, name(field), QString());
    for (int line = 1; line <= ReceiptLines::kLines; ++line) {
        m_lines->description(line)->clear();
        m_lines->amount(line)->clear();
    }
    txtAcconti->setText(QStringLiteral("0,00"));
    m_lines->showPage(0);
    chkSaldata->setChecked(false);
    // Both province lists lose their selection; the issuer's province text stays.
    const QString issuerProvince = txtProvDitta->currentText();
    txtProvDitta->setCurrentIndex(-1);
    txtProvDitta->setEditText(issuerProvince);
    txtProvCliente->setCurrentIndex(-1);
    txtProvCliente->clearEditText();
    lblPosizione->clear();
    m_navigator->setProposedNumber({});
    txtCliente->setFocus();
}

void TfrmRicevute::formClose()
{
    try {
        IniFile ini(DataFolder::file(FileNames::settings()));
        for (const auto &k : IssuerSettings::kKeys) {
            const QString value = Controls::text(this, name(k.control)).trimmed();
            // The default stamp duty is written only when it is an amount.
            if (name(k.control) == u"txtTassa" && !value.isEmpty() && !AmountText::parse(value))
                continue;
            ini.setValue(IssuerSettings::section(), QString::fromUtf16(k.key), value);
        }
        ini.save();
    } catch (const StorageError &) {
        Messages::error(ArchiveTexts::ioFailure(), this);
    }
    AreaWindow::formClose();
}

void TfrmRicevute::cmdNuovoClick()
{
    if (!m_changes->ifMayLeave())
        return;
    runArchiveOperation([this] {
        const IniFile ini(DataFolder::file(FileNames::settings()));
        const QString start = ini.value(Numbering::receiptSection(), Numbering::startKey());
        lblInizio->setText(start.trimmed().isEmpty() ? QStringLiteral("1") : start);
        lblSolare->setText(ini.value(Numbering::receiptSection(), Numbering::yearKey()));
        const int count = countRecords(archivePath(), ReceiptRecordLayout::size);
        // Composed before clearing, so a bad start value leaves the screen as it was.
        const QString number = Numbering::compose(lblInizio->text(), lblSolare->text(), count,
                                                  Clock::today().year());
        clearReceipt();
        txtNumRic->setText(number);
        m_navigator->setProposedNumber(number);
        txtData->setText(DateText::today());
        txtCliente->setFocus();
        m_changes->reset();
    });
}

void TfrmRicevute::cmdSalvaClick()
{
    if (!calculate())
        return;
    struct Check
    {
        QLineEdit *field;
        bool failed;
        const char16_t *message;
    };
    const Check checks[] = {
        {txtCliente, txtCliente->text().trimmed().isEmpty(),
         u"Attenzione: per salvare la scheda è necessario indicare il nome o la ragione sociale del Cliente."},
        {txtNumRic, txtNumRic->text().trimmed().isEmpty(),
         u"Attenzione: per salvare la scheda è necessario indicare il numero della ricevuta."},
        {txtData, txtData->text().trimmed().isEmpty(),
         u"Attenzione: per salvare la scheda è necessario indicare la data della ricevuta."},
        {txtData, !DateText::isValid(txtData->text()),
         u"Attenzione: la data indicata non esiste.\n\r\n\rPer poter salvare la scheda è necessario "
         u"indicare una data valida nel formato gg/mm/anno."},
    };
    for (const Check &c : checks) {
        if (c.failed) {
            Messages::warning(QString::fromUtf16(c.message), this);
            c.field->setFocus();
            return;
        }
    }
    FieldBehaviour::formatDates(this, {QStringLiteral("txtData")});
    if (!dateFitsArchiveYear())
        return;
    m_navigator->storeAndNotify(this, QStringLiteral("La ricevuta corrente è stata inserita in archivio con il numero %1 "
                                                     "(il numero proposto era stato appena usato da un'altra postazione)."));
}

// A receipt dated in another year than its archive would be missing from
// that year's summaries: the user decides.
bool TfrmRicevute::dateFitsArchiveYear()
{
    bool yearOk = false;
    const int archiveYear = lblAnno->text().trimmed().toInt(&yearOk);
    if (!yearOk || DateText::parse(txtData->text()).year() == archiveYear)
        return true;
    return Messages::confirm(QStringLiteral("Attenzione: la data della ricevuta non appartiene all'anno "
                                            "dell'archivio aperto.\n\r\n\rSalvare comunque la ricevuta?"),
                             this);
}

void TfrmRicevute::cmdCalcolaClick() { calculate(); }

bool TfrmRicevute::calculate()
{
    // Totals are never computed from a line that is not an amount.
    if (!FieldBehaviour::commitAmounts(this))
        return false;
    ReceiptTotals::Inputs in;
    for (int line = 1; line <= ReceiptLines::kLines; ++line)
        in.lines[line - 1] = m_lines->amount(line)->text();
    in.advances = txtAcconti->text();
    in.duty = txtTassa->text();
    const ReceiptTotals::Result r = ReceiptTotals::compute(in);
    txtAcconti->setText(r.advances);
    txtTotCorrispettivi->setText(r.sum);
    txtTassa->setText(r.duty);
    txtTotale->setText(r.total);
    return true;
}

void TfrmRicevute::cmdPrimoClick() { m_navigator->first(); }
void TfrmRicevute::cmdIndietroClick() { m_navigator->previous(); }
void TfrmRicevute::cmdAvantiClick() { m_navigator->next(); }
void TfrmRicevute::cmdUltimoClick() { m_navigator->last(); }

void TfrmRicevute::cmdTrovaClick()
{
    Dialogs::openWithToken(WindowNames::trovaRicevute, this, QStringLiteral("ricevute"));
}

void TfrmRicevute::cmdImportaClick()
{
    Dialogs::openWithToken(WindowNames::trovaClienti, this, QStringLiteral("ricevute"));
}

void TfrmRicevute::impMagClick(int line)
{
    Dialogs::openWithToken(WindowNames::trovaRegistro, this,
                           QStringLiteral("ric_art_") + ReceiptArchive::lineNumber(line));
}

void TfrmRicevute::cmdSospeseClick() { Dialogs::open(WindowNames::sospese, this); }

void TfrmRicevute::cmdRiepMensileClick()
{
    Dialogs::open(WindowNames::riepMensile, this, {{QStringLiteral("lblAnno"), lblAnno->text().trimmed()}});
}

void TfrmRicevute::cmdRiepTrimestraleClick()
{
    Dialogs::open(WindowNames::riepTrimestrale, this,
                  {{QStringLiteral("lblAnno"), lblAnno->text().trimmed()}});
}

void TfrmRicevute::cmdRiepAnnualeClick() { Dialogs::open(WindowNames::riepAnnuale, this); }

void TfrmRicevute::cmdNumerazioneClick()
{
    TfrmNumerazione::open(this, QStringLiteral("ricevute"), QStringLiteral(" Impostazione inizio numerazione ricevute"));
}

void TfrmRicevute::cmdEsportaClick() { Dialogs::open(WindowNames::expRicevute, this); }
// The printed receipt shows the amounts as Save would store them.
void TfrmRicevute::cmdStampaClick()
{
    if (FieldBehaviour::commitAmounts(this))
        Dialogs::open(WindowNames::stampaRicevuta, this);
}
void TfrmRicevute::cmdAnteprimaClick()
{
    if (FieldBehaviour::commitAmounts(this))
        Dialogs::open(WindowNames::anteprimaRicevuta, this);
}
void TfrmRicevute::cmdPDFClick()
{
    if (FieldBehaviour::commitAmounts(this))
        Dialogs::open(WindowNames::pdfRicevuta, this);
}
void TfrmRicevute::btnLogoClick() { Dialogs::open(WindowNames::logo, this); }

void TfrmRicevute::cmdGuidaClick() { Help::open(this); }

void TfrmRicevute::cmdEsciClick() { close(); }

void TfrmRicevute::btnCancDittaClick()
{
    for (const char *field : kIssuerFields)
        Controls::setText(this, name(field), QString());
    txtDitta->setFocus();
}

void TfrmRicevute::btnIvaDittaClick() { CodeChecks::openVat(this, txtIvaDitta->text()); }
void TfrmRicevute::btnCodFiscDittaClick() { CodeChecks::openFiscalCode(this, txtCodFiscDitta->text()); }
void TfrmRicevute::btnIvaClienteClick() { CodeChecks::openVat(this, txtIvaCliente->text()); }
void TfrmRicevute::btnCodFiscClienteClick() { CodeChecks::openFiscalCode(this, txtCodFiscCliente->text()); }

void TfrmRicevute::impOggiClick() { txtData->setText(DateText::today()); }

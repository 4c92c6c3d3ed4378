#include "register/RegisterWindow.h"
#include "ui/WindowNames.h"
#include "ui/ArchiveNavigatorBinding.h"
#include "ui/CardChanges.h"
#include "ui/CodeChecks.h"
#include "ui/Dialogs.h"
#include "ui/FieldBehaviour.h"
#include "ui/Help.h"
#include "ui/Messages.h"
#include "ui/NumberingDialog.h"
#include "register/PhotoFrame.h"
#include "register/RegisterComplianceState.h"
#include "register/RegisterRecord.h"
#include "storage/Clock.h"
#include "storage/DataFolder.h"
#include "storage/DateText.h"
#include "storage/IniFile.h"
#include "storage/Numbering.h"
#include "storage/RecordFile.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace {
QString registerPath() { return DataFolder::file(FileNames::registerArchive()); }

QString requiredText(const char *what)
{
    return QStringLiteral("Attenzione: per salvare la scheda è necessario ") + QString::fromUtf8(what);
}
} // namespace

TfrmRegistro::TfrmRegistro(QWidget *parent)
    : AreaWindow(WindowNames::of<TfrmRegistro>(), QStringLiteral(" Valtrena - Registro Operazioni"),
                 Presentation::Maximised, parent)
{
    buildForm();
    fitPhotoFrames();
    auto binding = recordBinding<RegisterRecord>(this, registerPath, [this](const RegisterRecord &, int index) {
        showCardPhotos(index + 1);
        refreshCompliance();
    });
    uniqueNumber<RegisterRecord>(binding, "NumScheda", txtNumScheda, [this](int count) {
        return Numbering::compose(lblInizio->text(), lblSolare->text(), count, Clock::today().year());
    });
    m_navigator = std::make_unique<ArchiveNavigator>(lblPosizione, std::move(binding));
    QList<QWidget *> alsoOnTheCard(m_attachmentLabels.cbegin(), m_attachmentLabels.cend());
    alsoOnTheCard << imgFoto << imgFoto02;
    m_changes = new CardChanges(this, alsoOnTheCard);
    m_navigator->setChanges(m_changes);
    // After Save has run: the card now has its place among the others.
    if (auto *save = findChild<QWidget *>(QStringLiteral("cmdSalva")))
        connect(qobject_cast<QAbstractButton *>(save), &QAbstractButton::clicked, this,
                &TfrmRegistro::refreshCompliance);
}

TfrmRegistro::~TfrmRegistro() = default;

void TfrmRegistro::formShow()
{
    resetCard();
    m_changes->reset();
}

void TfrmRegistro::resizeEvent(QResizeEvent *event)
{
    AreaWindow::resizeEvent(event);
    fitPhotoFrames();
}

void TfrmRegistro::resetCard()
{
    for (QLineEdit *field : std::as_const(m_textFields))
        field->clear();
    txtData->setText(DateText::today());
    txtOra->setText(DateText::nowTime());
    txtImporto->setText(QStringLiteral("0,00"));
    txtPrezzoVen->setText(QStringLiteral("0,00"));
    chkVenduto->setChecked(false);
    for (QLabel *l : std::as_const(m_attachmentLabels))
        l->clear();
    resetPhotos();
    lblPosizione->clear();
    m_navigator->setProposedNumber({});
    txtImporto->setFocus();
    refreshCompliance();
}

bool TfrmRegistro::loadCard(int index) { return m_navigator->load(index); }

void TfrmRegistro::cmdNuovoClick()
{
    if (!m_changes->ifMayLeave())
        return;
    runArchiveOperation([this] {
        const IniFile ini(DataFolder::file(FileNames::settings()));
        lblInizio->setText(ini.value(Numbering::registerSection(), Numbering::startKey()));
        if (lblInizio->text().trimmed().isEmpty())
            lblInizio->setText(QStringLiteral("1"));
        lblSolare->setText(ini.value(Numbering::registerSection(), Numbering::yearKey()));
        const int count = countRecords(registerPath(), RegisterRecordLayout::size);
        resetCard();
        txtNumScheda->setText(Numbering::compose(lblInizio->text(), lblSolare->text(), count,
                                                 Clock::today().year()));
        m_navigator->setProposedNumber(txtNumScheda->text());
        txtData->setText(DateText::today());
        txtImporto->setFocus();
        m_changes->reset();
    });
}

bool TfrmRegistro::requiredFieldsPresent()
{
    const struct
    {
        QLineEdit *field;
        const char *message;
    } required[] = {
        {txtNumScheda, "indicare il numero progressivo dell'operazione."},
        {txtData, "indicare la data dell'operazione."},
        {txtNatura, "indicare la natura e qualità dell'oggetto prezioso."},
        {txtCliente, "indicare il nome del cliente."},
        {txtDescrizione, "inserire una descrizione sintetica dell'oggetto prezioso."},
    };
    for (const auto &r : required) {
        if (r.field->text().trimmed().isEmpty()) {
            Messages::warning(requiredText(r.message), this);
            r.field->setFocus();
            return false;
        }
    }
    return true;
}

void TfrmRegistro::cmdSalvaClick()
{
    if (!FieldBehaviour::commitAmounts(this) || !requiredFieldsPresent()
        || !FieldBehaviour::requireDates(this, {QStringLiteral("txtDataNasc"), QStringLiteral("txtDataRil"),
                                                QStringLiteral("txtDataSca")}))
        return;
    FieldBehaviour::formatDates(this, {QStringLiteral("txtData"), QStringLiteral("txtDataNasc"),
                                       QStringLiteral("txtDataRil"), QStringLiteral("txtDataSca"),
                                       QStringLiteral("txtDataVen")});
    const bool isNew = m_navigator->position() == 0;
    m_navigator->storeAndNotify(this,
                                QStringLiteral("La scheda corrente è stata inserita in archivio con il numero %1 (il "
                                               "numero proposto era stato appena usato da un'altra postazione)."),
                                [&] { return writeCardPhotos(isNew); });
}

void TfrmRegistro::cmdPrimoClick() { m_navigator->first(); }
void TfrmRegistro::cmdIndietroClick() { m_navigator->previous(); }
void TfrmRegistro::cmdAvantiClick() { m_navigator->next(); }
void TfrmRegistro::cmdUltimoClick() { m_navigator->last(); }

void TfrmRegistro::cmdTrovaClick()
{
    Dialogs::openWithToken(WindowNames::trovaRegistro, this, QStringLiteral("registro"));
}

// The printed card shows the amounts as Save would store them.
void TfrmRegistro::cmdAnteprimaClick()
{
    if (FieldBehaviour::commitAmounts(this))
        Dialogs::open(WindowNames::anteprimaReg, this);
}

void TfrmRegistro::cmdStampaClick()
{
    if (FieldBehaviour::commitAmounts(this))
        Dialogs::open(WindowNames::stampaReg, this);
}

void TfrmRegistro::cmdFileClick()
{
    Dialogs::Texts texts{{QStringLiteral("lblMemory"), QStringLiteral("registro")}};
    for (QLabel *l : std::as_const(m_attachmentLabels))
        texts.append({u"txt" + l->objectName().mid(3), l->text().trimmed()});
    Dialogs::open(WindowNames::allegaCartella, this, texts);
}

void TfrmRegistro::cmdCercaDisponibiliClick() { Dialogs::open(WindowNames::daVendere, this); }

void TfrmRegistro::cmdStampaRegistroClick() { Dialogs::open(WindowNames::stampaRegistro, this); }

void TfrmRegistro::cmdConformitaClick() { Dialogs::open(WindowNames::verificaConformita, this); }

void TfrmRegistro::cmdEsportaClick() { Dialogs::open(WindowNames::expRegistro, this); }

void TfrmRegistro::cmdNumerazioneClick()
{
    TfrmNumerazione::open(this, QStringLiteral("registro"),
                          QStringLiteral(" Impostazione inizio numerazione schede Registro Operazioni"));
}

void TfrmRegistro::cmdGuidaClick()
{
    Help::open(this);
}

void TfrmRegistro::cmdEsciClick() { close(); }

void TfrmRegistro::impClienteClick()
{
    Dialogs::openWithToken(WindowNames::trovaClienti, this, QStringLiteral("registro"));
}

void TfrmRegistro::btnCodFiscClick() { CodeChecks::openFiscalCode(this, txtCodFisc->text()); }

void TfrmRegistro::btnLogoClick() { Dialogs::open(WindowNames::logo, this); }

void TfrmRegistro::openCalendar(const QString &token)
{
    Dialogs::openWithToken(WindowNames::calendario, this, token);
}

bool TfrmRegistro::eventFilter(QObject *watched, QEvent *event)
{
    // The two date fields are read-only: Backspace and Delete empty them,
    // any other key opens the calendar. Tab and lone modifiers still move on.
    if (event->type() == QEvent::Paint && (watched == imgFoto || watched == imgFoto02) && photosChanged())
        QTimer::singleShot(0, this, &TfrmRegistro::updateCompliance);
    if (event->type() != QEvent::KeyPress || (watched != txtData && watched != txtDataVen))
        return AreaWindow::eventFilter(watched, event);
    auto *field = static_cast<QLineEdit *>(watched);
    switch (static_cast<QKeyEvent *>(event)->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        field->clear();
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
        return false;
    default:
        openCalendar(field == txtData ? QStringLiteral("registro_data") : QStringLiteral("registro_dataven"));
        return true;
    }
}

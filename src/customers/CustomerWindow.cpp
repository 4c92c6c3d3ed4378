#include "customers/CustomerWindow.h"
#include "ui/Looks.h"
#include "ui/Controls.h"
#include "ui/WindowNames.h"
#include "ui/ArchiveNavigatorBinding.h"
#include "ui/CardChanges.h"
#include "ui/CodeChecks.h"
#include "ui/Dialogs.h"
#include "ui/FieldBehaviour.h"
#include "ui/Help.h"
#include "ui/Icons.h"
#include "ui/Messages.h"
#include "ui/Shell.h"
#include "ui/Theme.h"
#include "ui/Toolbar.h"
#include "customers/CustomerCard.h"
#include "customers/CustomerFields.h"
#include "customers/CustomerPrint.h"
#include "storage/DataFolder.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using Command = Toolbar::Command<TfrmAnagrafica>;

// The top bar, left to right; a nullptr name marks a gap, "lblPosizione" the position label.
const QList<Command> &commands()
{
    static const QList<Command> table = {
        {"cmdNuovo", "new", QStringLiteral("Nuova"), QStringLiteral("Prepara la schermata per la registrazione di una nuova scheda."), &TfrmAnagrafica::cmdNuovoClick},
        {"cmdSalva", "save", QStringLiteral("Salva"), QStringLiteral("Salva la scheda corrente in archivio."), &TfrmAnagrafica::cmdSalvaClick},
        {"cmdTrova", "find", QStringLiteral("Trova"), QStringLiteral("Trova una scheda in archivio."), &TfrmAnagrafica::cmdTrovaClick},
        {"cmdCartella", "folder", QStringLiteral("Cartella"), QStringLiteral("Gestisci la cartella abbinata alla scheda corrente."), &TfrmAnagrafica::cmdCartellaClick},
        {nullptr, nullptr, {}, {}, nullptr},
        {"cmdFile", "attach", QStringLiteral("Allega file"), QStringLiteral("Allega file alla scheda corrente."), &TfrmAnagrafica::cmdFileClick},
        {"cmdStampa", "print", QStringLiteral("Stampa"), QStringLiteral("Stampa la scheda corrente."), &TfrmAnagrafica::cmdStampaClick},
        {nullptr, nullptr, {}, {}, nullptr},
        {"cmdPrimo", "first", QStringLiteral("Prima"), QStringLiteral("Visualizza la prima scheda in archivio."), &TfrmAnagrafica::cmdPrimoClick},
        {"cmdIndietro", "previous", QStringLiteral("Indietro"), QStringLiteral("Visualizza la scheda precedente in archivio."), &TfrmAnagrafica::cmdIndietroClick},
        {"lblPosizione", nullptr, {}, {}, nullptr},
        {"cmdAvanti", "next", QStringLiteral("Avanti"), QStringLiteral("Visualizza la scheda successiva in archivio."), &TfrmAnagrafica::cmdAvantiClick},
        {"cmdUltimo", "last", QStringLiteral("Ultima"), QStringLiteral("Visualizza l'ultima scheda in archivio."), &TfrmAnagrafica::cmdUltimoClick},
        {nullptr, nullptr, {}, {}, nullptr},
        {"cmdEsporta", "excel", QStringLiteral("Esporta"), QStringLiteral("Esporta le schede in archivio in un file di Microsoft Excel."), &TfrmAnagrafica::cmdEsportaClick},
        {"cmdScaduti", "calendar", QStringLiteral("Rate"), QStringLiteral("Visualizza il riepilogo delle rate in scadenza o scadute."), &TfrmAnagrafica::cmdScadutiClick},
        {nullptr, nullptr, {}, {}, nullptr},
        {"cmdGuida", "help", QStringLiteral("Guida"), QStringLiteral("Visualizza la guida in linea."), &TfrmAnagrafica::cmdGuidaClick},
        {"cmdEsci", "exit", QStringLiteral("Esci"), QStringLiteral("Esci da questa schermata di lavoro."), &TfrmAnagrafica::cmdEsciClick},
    };
    return table;
}

struct SideButton
{
    const char *name;
    const char16_t *hint;
    void (TfrmAnagrafica::*slot)();
};

const SideButton kSideButtons[] = {
    {"btnCodFisc", u"Controlla il codice fiscale.", &TfrmAnagrafica::btnCodFiscClick},
    {"btnIva", u"Controlla il numero di partita IVA.", &TfrmAnagrafica::btnIvaClick},
    {"btnIban", u"Controlla l'IBAN.", &TfrmAnagrafica::btnIbanClick},
    {"btnCarta", u"Controlla il numero di carta di credito.", &TfrmAnagrafica::btnCartaClick},
    {"btnEmail", u"Invia una e-mail all'indirizzo indicato.", &TfrmAnagrafica::btnEmailClick},
};

const char *const kHiddenLabels[] = {"lblFile01", "lblFile02", "lblFile03", "lblDesc01", "lblDesc02", "lblDesc03"};

QString greeting() { return QStringLiteral("Pronto per salvare una nuova scheda..."); }

// A frame, so that the hint line empties when the mouse crosses it.
QFrame *whitePanel(QWidget *parent, const char *name)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(QLatin1StringView(name));
    Looks::set(panel, Looks::Look::Card);
    return panel;
}

} // namespace

TfrmAnagrafica::TfrmAnagrafica(QWidget *parent)
    : AreaWindow(WindowNames::of<TfrmAnagrafica>(), QStringLiteral(" Valtrena - Anagrafica Clienti"),
                 Presentation::Maximised, parent)
{
    setStyleSheet(Theme::sheet(Theme::Sheet::Customers));

    // On large screens the card keeps a comfortable size, centred. Its parts
    // are made inside it: moving a built panel under a styled window restyles it.
    auto *page = new QWidget(this);
    page->setMaximumSize(1600, 880);
    auto *left = whitePanel(page, "panAnagrafica");
    auto *right = whitePanel(page, "panDocumento");
    CustomerFields::build(left, right);

    for (const char *name : kHiddenLabels)
        Controls::stateLabel(this, name);

    panInfo = new QLabel(greeting(), this);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    Looks::set(panInfo, Looks::Look::Status);

    auto *panels = new QHBoxLayout;
    panels->setSpacing(10);
    panels->addWidget(left, 3);
    panels->addWidget(right, 2);

    auto *content = new QVBoxLayout(page);
    content->setContentsMargins(0, 0, 0, 0);
    content->addLayout(panels, 1);
    auto *centre = new QGridLayout;
    centre->setContentsMargins(10, 8, 10, 8);
    centre->addWidget(page, 1, 1);
    centre->setRowStretch(0, 1);
    centre->setRowStretch(1, 1000);
    centre->setRowStretch(2, 1);
    centre->setColumnStretch(0, 1);
    centre->setColumnStretch(1, 1000);
    centre->setColumnStretch(2, 1);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(buildToolbar(this));
    outer->addLayout(centre, 1);
    outer->addWidget(panInfo);

    FieldBehaviour::highlightAllWithRectangles(this);
    connectBoxes();
    for (const SideButton &b : kSideButtons) {
        auto *button = findChild<QToolButton *>(QLatin1StringView(b.name));
        FieldBehaviour::setHint(button, QString::fromUtf16(b.hint));
        connect(button, &QToolButton::clicked, this, b.slot);
    }
    FieldBehaviour::installHintLine(this, panInfo);

    m_navigator = std::make_unique<ArchiveNavigator>(
        lblPosizione, recordBinding<CustomerRecord>(this, [] { return DataFolder::file(FileNames::customerArchive()); }));
    QList<QWidget *> attachments;
    for (const char *name : kHiddenLabels)
        attachments.append(findChild<QLabel *>(QLatin1StringView(name)));
    m_changes = new CardChanges(this, attachments);
    m_navigator->setChanges(m_changes);
}

TfrmAnagrafica::~TfrmAnagrafica() = default;

QWidget *TfrmAnagrafica::buildToolbar(QWidget *parent)
{
    auto *bar = new QFrame(parent);
    bar->setObjectName(QStringLiteral("panComandi"));
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(8, 4, 8, 4);
    row->setSpacing(2);

    auto *icon = new QLabel(bar);
    icon->setPixmap(Icons::pixmap(QStringLiteral("area-customers"), 40));
    auto *title = new QLabel(QStringLiteral("Anagrafica Clienti"), bar);
    title->setObjectName(QStringLiteral("lblTitoloArea"));
    Looks::set(title, Looks::Look::Title);
    row->addWidget(icon);
    row->addSpacing(6);
    row->addWidget(title);
    row->addStretch(1);

    lblPosizione = Toolbar::add(bar, row, Toolbar::bind(this, commands()));
    return bar;
}

// Enter walks the card in order and comes back from the last box to the first.
void TfrmAnagrafica::connectBoxes()
{
    const QStringList &names = CustomerFields::boxNames();
    QList<QPair<QString, QString>> chain;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString &from = names[i];
        const QString &to = names[(i + 1) % names.size()];
        if (auto *combo = findChild<QComboBox *>(from)) {
            QWidget *next = findChild<QWidget *>(to);
            connect(combo->lineEdit(), &QLineEdit::returnPressed, this, [next] { next->setFocus(Qt::OtherFocusReason); });
        } else {
            chain.append({from, to});
        }
    }
    FieldBehaviour::enterChain(this, chain);
    for (qsizetype i = 0; i + 1 < names.size(); ++i)
        setTabOrder(findChild<QWidget *>(names[i]), findChild<QWidget *>(names[i + 1]));
}

QString TfrmAnagrafica::boxText(const QString &name) const
{
    return ShortText::trimmed(Controls::text(this, name));
}

void TfrmAnagrafica::focusBox(const QString &name)
{
    if (QWidget *box = findChild<QWidget *>(name))
        box->setFocus(Qt::OtherFocusReason);
}

void TfrmAnagrafica::formShow()
{
    panInfo->setText(greeting());
    showBlankCard();
}

void TfrmAnagrafica::loadCard(int index) { m_navigator->load(index); }

void TfrmAnagrafica::cmdNuovoClick()
{
    if (m_changes->ifMayLeave())
        showBlankCard();
}

void TfrmAnagrafica::showBlankCard()
{
    for (const QString &name : CustomerFields::boxNames())
        if (auto *combo = findChild<QComboBox *>(name))
            combo->setCurrentIndex(-1);
    Binder<CustomerRecord>::toWindow(this, CustomerCard::blank());
    m_navigator->clearPosition();
    focusBox(QStringLiteral("txtCognome"));
    m_changes->reset();
}

void TfrmAnagrafica::cmdSalvaClick()
{
    if (!FieldBehaviour::commitAmounts(this))
        return;
    FieldBehaviour::formatDates(this, {QStringLiteral("txtDataNasc"), QStringLiteral("txtDataRil"),
                                       QStringLiteral("txtDataSca"), QStringLiteral("txtDecorrenza"),
                                       QStringLiteral("txtScadenza")});
    const CustomerRecord card = Binder<CustomerRecord>::fromWindow(this);
    if (const auto problem = CustomerCard::saveProblem(card)) {
        Messages::show(problem->kind, problem->text, this);
        if (!problem->focus.isEmpty())
            focusBox(problem->focus);
        return;
    }
    m_navigator->storeAndNotify(this);
}

void TfrmAnagrafica::cmdTrovaClick()
{
    Dialogs::openWithToken(WindowNames::trovaClienti, this, QStringLiteral("clienti"));
}

void TfrmAnagrafica::cmdCartellaClick()
{
    const QString position = lblPosizione->text().trimmed();
    if (position.isEmpty()) {
        Messages::warning(QStringLiteral("Attenzione: l'abbinamento di una cartella ad un cliente può avvenire "
                                         "soltanto dopo che la scheda è stata inserita in archivio."),
                          this);
        return;
    }
    Dialogs::openWithToken(WindowNames::cartella, this, position);
}

void TfrmAnagrafica::cmdFileClick()
{
    Dialogs::Texts texts{{QStringLiteral("lblMemory"), QStringLiteral("anagrafica")}};
    for (const char *label : kHiddenLabels) {
        const QString name = QLatin1StringView(label);
        texts.append({QStringLiteral("txt") + name.mid(3), ShortText::trimmed(Controls::text(this, name))});
    }
    Dialogs::open(WindowNames::allegaCartella, this, texts);
}

// Prints the card as it is on screen, unsaved changes included.
void TfrmAnagrafica::cmdStampaClick()
{
    if (FieldBehaviour::commitAmounts(this))
        CustomerPrint::print(this, Binder<CustomerRecord>::fromWindow(this));
}

void TfrmAnagrafica::cmdPrimoClick() { m_navigator->first(); }
void TfrmAnagrafica::cmdIndietroClick() { m_navigator->previous(); }
void TfrmAnagrafica::cmdAvantiClick() { m_navigator->next(); }
void TfrmAnagrafica::cmdUltimoClick() { m_navigator->last(); }

void TfrmAnagrafica::cmdEsportaClick() { Dialogs::open(WindowNames::expClienti, this); }

void TfrmAnagrafica::cmdScadutiClick() { Dialogs::open(WindowNames::daRinnovare, this); }

void TfrmAnagrafica::cmdGuidaClick()
{
    Help::open(this);
}

void TfrmAnagrafica::cmdEsciClick() { close(); }

void TfrmAnagrafica::btnCodFiscClick() { CodeChecks::openFiscalCode(this, boxText(QStringLiteral("txtCodFisc"))); }
void TfrmAnagrafica::btnIvaClick() { CodeChecks::openVat(this, boxText(QStringLiteral("txtIva"))); }
void TfrmAnagrafica::btnIbanClick() { CodeChecks::openIban(this, boxText(QStringLiteral("txtIban"))); }
void TfrmAnagrafica::btnCartaClick() { CodeChecks::openCard(this, boxText(QStringLiteral("txtCarta"))); }

void TfrmAnagrafica::btnEmailClick()
{
    Shell::open(u'"' + QStringLiteral("mailto:") + boxText(QStringLiteral("txtEmail")) + u'"');
}

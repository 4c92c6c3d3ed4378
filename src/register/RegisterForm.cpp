// The register window's controls: the card's text fields, the toolbar and
// the layout. The handlers live in RegisterWindow.cpp and RegisterPhotos.cpp.
#include "register/RegisterWindow.h"
#include "ui/Controls.h"
#include "ui/FieldBehaviour.h"
#include "ui/FieldKind.h"
#include "ui/Icons.h"
#include "ui/Looks.h"
#include "ui/Toolbar.h"
#include "ui/Theme.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr auto Left = Qt::AlignLeft | Qt::AlignVCenter;
constexpr auto Centre = Qt::AlignCenter;
constexpr auto Right = Qt::AlignRight | Qt::AlignVCenter;

const FieldKind kAmount = FieldKind::amount(2, QStringLiteral("0,00"));
// From this width of the card's room on, the card takes two columns.
constexpr int kTwoColumnWidth = 1150;
constexpr int kMostRowSpacing = 28;  // how far spare height opens the card's rows
const QString kDateHint = QStringLiteral(
    "Fai clic su questo campo e premi un tasto qualsiasi per importare una data dal calendario.");
} // namespace

struct TfrmRegistro::CardField
{
    QLineEdit *TfrmRegistro::*member;
    const char *name;
    QString label;
    int maxLength;
    Qt::Alignment alignment;
    const char *enterNext;  // nullptr: Enter opens the calendar instead
    FieldKind kind;
    int widthChars;  // 0: the field takes the free width of its row
};

const QList<TfrmRegistro::CardField> &TfrmRegistro::cardFields()
{
    using T = TfrmRegistro;
    static const QList<CardField> table = {
        {&T::txtNumScheda, "txtNumScheda", QStringLiteral("Scheda n."), 30, Centre, "txtData", FieldKind::text(), 11},
        {&T::txtData, "txtData", QStringLiteral("Data operazione:"), 10, Centre, nullptr, FieldKind::date(), 10},
        {&T::txtOra, "txtOra", QStringLiteral("Ora:"), 5, Centre, "txtImporto", FieldKind::text(), 5},
        {&T::txtImporto, "txtImporto", QStringLiteral("Importo: €"), 12, Right, "txtTransazione", kAmount, 11},
        {&T::txtTransazione, "txtTransazione", QStringLiteral("Estremi transazione:"), 250, Left, "txtMezzo", FieldKind::text(), 0},
        {&T::txtMezzo, "txtMezzo", QStringLiteral("Mezzo di pagamento usato:"), 50, Left, "txtCaratteristiche", FieldKind::text(), 0},
        {&T::txtCaratteristiche, "txtCaratteristiche", QStringLiteral("Caratteristiche oggetto prezioso:"), 250, Left, "txtNatura", FieldKind::text(), 0},
        {&T::txtNatura, "txtNatura", QStringLiteral("Natura e qualità:"), 120, Left, "txtQuotazione", FieldKind::text(), 0},
        {&T::txtQuotazione, "txtQuotazione", QStringLiteral("Quotazione oro e metalli preziosi contenuti nell'oggetto:"), 250, Left, "txtCliente", FieldKind::text(), 0},
        {&T::txtCliente, "txtCliente", QStringLiteral("Cognome e nome cliente:"), 50, Left, "txtCodFisc", FieldKind::text(), 0},
        {&T::txtCodFisc, "txtCodFisc", QStringLiteral("Codice fiscale:"), 16, Left, "txtDataNasc", FieldKind::upperCase(), 17},
        {&T::txtDataNasc, "txtDataNasc", QStringLiteral("Data nascita:"), 10, Centre, "txtLuogoNasc", FieldKind::text(), 10},
        {&T::txtLuogoNasc, "txtLuogoNasc", QStringLiteral("Luogo nascita:"), 50, Left, "txtProvNasc", FieldKind::text(), 0},
        {&T::txtProvNasc, "txtProvNasc", QStringLiteral("Prov."), 2, Centre, "txtSesso", FieldKind::upperCase(), 3},
        {&T::txtSesso, "txtSesso", QStringLiteral("Sesso:"), 1, Centre, "txtTipoDoc", FieldKind::upperCase(), 2},
        {&T::txtTipoDoc, "txtTipoDoc", QStringLiteral("Tipo documento:"), 50, Left, "txtNumDoc", FieldKind::text(), 0},
        {&T::txtNumDoc, "txtNumDoc", QStringLiteral("Numero:"), 50, Left, "txtEnteRil", FieldKind::text(), 14},
        {&T::txtEnteRil, "txtEnteRil", QStringLiteral("Ente rilascio:"), 50, Left, "txtDataRil", FieldKind::text(), 0},
        {&T::txtDataRil, "txtDataRil", QStringLiteral("Data rilascio:"), 10, Centre, "txtDataSca", FieldKind::text(), 10},
        {&T::txtDataSca, "txtDataSca", QStringLiteral("Data scadenza:"), 10, Centre, "txtCompratore", FieldKind::text(), 10},
        {&T::txtCompratore, "txtCompratore", QStringLiteral("Operatore, cliente o azienda a cui l'oggetto è stato venduto o ceduto:"), 250, Left, "txtDestinazione", FieldKind::text(), 0},
        {&T::txtDestinazione, "txtDestinazione", QStringLiteral("Destinazione data all'oggetto:"), 250, Left, "txtDataVen", FieldKind::text(), 0},
        {&T::txtDataVen, "txtDataVen", QStringLiteral("Data vendita o cessione:"), 10, Centre, nullptr, FieldKind::date(), 10},
        {&T::txtDescrizione, "txtDescrizione", QStringLiteral("Descrizione sintetica:"), 55, Left, "txtValutazione", FieldKind::text(), 0},
        {&T::txtValutazione, "txtValutazione", QStringLiteral("Valutazione:"), 50, Left, "txtPrezzoVen", FieldKind::text(), 0},
        {&T::txtPrezzoVen, "txtPrezzoVen", QStringLiteral("Prezzo vendita:"), 12, Right, "txtNumScheda", kAmount, 11},
    };
    return table;
}

namespace {

// How the card is laid out: sections of rows, each row naming its controls.
struct Section
{
    QString title;
    QList<QStringList> rows;
};

const QList<Section> &cardSections()
{
    static const QList<Section> sections = {
        {QStringLiteral("Operazione"),
         {{QStringLiteral("txtNumScheda"), QStringLiteral("txtData"), QStringLiteral("txtOra")},
          {QStringLiteral("txtImporto"), QStringLiteral("txtMezzo")},
          {QStringLiteral("txtTransazione")}}},
        {QStringLiteral("Oggetto prezioso"),
         {{QStringLiteral("txtDescrizione")},
          {QStringLiteral("txtNatura")},
          {QStringLiteral("txtCaratteristiche")},
          {QStringLiteral("txtQuotazione")}}},
        {QStringLiteral("Cliente e documento d'identità"),
         {{QStringLiteral("txtCliente"), QStringLiteral("impCliente"), QStringLiteral("txtCodFisc"),
           QStringLiteral("btnCodFisc")},
          {QStringLiteral("txtDataNasc"), QStringLiteral("txtLuogoNasc"), QStringLiteral("txtProvNasc"),
           QStringLiteral("txtSesso")},
          {QStringLiteral("txtTipoDoc"), QStringLiteral("txtNumDoc")},
          {QStringLiteral("txtEnteRil")},
          {QStringLiteral("txtDataRil"), QStringLiteral("txtDataSca")}}},
        {QStringLiteral("Vendita o cessione"),
         {{QStringLiteral("txtCompratore")},
          {QStringLiteral("txtDestinazione")},
          {QStringLiteral("txtDataVen"), QStringLiteral("txtPrezzoVen"), QStringLiteral("imgVenduto"),
           QStringLiteral("chkVenduto")},
          {QStringLiteral("txtValutazione")}}},
    };
    return sections;
}

// The toolbar, left to right; an entry without a name is a separator and
// "lblPosizione" the position label between Previous and Next.
using ToolDef = Toolbar::Command<TfrmRegistro>;

const QList<ToolDef> &toolbarButtons()
{
    using T = TfrmRegistro;
    static const QList<ToolDef> tools = {
        {"cmdNuovo", "new", QStringLiteral("Nuova"), QStringLiteral("Predispone la schermata per l'inserimento di una nuova scheda."), &T::cmdNuovoClick},
        {"cmdSalva", "save", QStringLiteral("Salva"), QStringLiteral("Salva la scheda corrente in archivio."), &T::cmdSalvaClick},
        {nullptr, nullptr, {}, {}, nullptr},
        {"cmdPrimo", "first", QStringLiteral("Prima"), QStringLiteral("Visualizza la prima scheda in archivio."), &T::cmdPrimoClick},
        {"cmdIndietro", "previous", QStringLiteral("Precedente"), QStringLiteral("Visualizza la scheda precedente in archivio."), &T::cmdIndietroClick},
        {"lblPosizione", nullptr, {}, {}, nullptr},
        {"cmdAvanti", "next", QStringLiteral("Successiva"), QStringLiteral("Visualizza la scheda successiva in archivio."), &T::cmdAvantiClick},
        {"cmdUltimo", "last", QStringLiteral("Ultima"), QStringLiteral("Visualizza l'ultima scheda in archivio."), &T::cmdUltimoClick},
        {nullptr, nullptr, {}, {}, nullptr},
        {"cmdTrova", "find", QStringLiteral("Trova"), QStringLiteral("Trova schede in archivio."), &T::cmdTrovaClick},
        {"cmdCercaDisponibili", "list", QStringLiteral("Non vendute"), QStringLiteral("Visualizza il riepilogo degli oggetti preziosi non ancora venduti."), &T::cmdCercaDisponibiliClick},
        {"cmdConformita", "check", QStringLiteral("Conformità"), QStringLiteral("Verifica la conformità di tutte le schede del registro."), &T::cmdConformitaClick},
        {nullptr, nullptr, {}, {}, nullptr},
        {"cmdAnteprima", "preview", QStringLiteral("Anteprima"), QStringLiteral("Visualizza l'anteprima di stampa della scheda corrente."), &T::cmdAnteprimaClick},
        {"cmdStampa", "print", QStringLiteral("Stampa"), QStringLiteral("Stampa la scheda corrente."), &T::cmdStampaClick},
        {"cmdStampaRegistro", "print", QStringLiteral("Registro"), QStringLiteral("Stampa il registro delle operazioni di un periodo."), &T::cmdStampaRegistroClick},
        {"cmdFile", "attach", QStringLiteral("Allega file"), QStringLiteral("Allega file alla scheda corrente."), &T::cmdFileClick},
        {"cmdEsporta", "excel", QStringLiteral("Esporta"), QStringLiteral("Esporta l'archivio in un foglio di Microsoft Excel."), &T::cmdEsportaClick},
        {nullptr, nullptr, {}, {}, nullptr},
        {"cmdNumerazione", "numbering", QStringLiteral("Numerazione"), QStringLiteral("Imposta il numero iniziale per la numerazione delle schede del Registro Operazioni."), &T::cmdNumerazioneClick},
        {"btnLogo", "logo", QStringLiteral("Logo"), QStringLiteral("Carica il logo della Ditta."), &T::btnLogoClick},
    };
    return tools;
}

const QList<ToolDef> &closingButtons()
{
    using T = TfrmRegistro;
    static const QList<ToolDef> tools = {
        {"cmdGuida", "help", QStringLiteral("Guida"), QStringLiteral("Visualizza la pagina della guida sensibile al contesto."), &T::cmdGuidaClick},
        {"cmdEsci", "exit", QStringLiteral("Esci"), QStringLiteral("Esci da questa schermata di lavoro."), &T::cmdEsciClick},
    };
    return tools;
}

QLabel *fieldLabel(QWidget *parent, const QString &text)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QStringLiteral("lblCampo"));
    Looks::set(l, Looks::Look::Caption);
    return l;
}

} // namespace

void TfrmRegistro::buildForm()
{

    auto *body = new QHBoxLayout;
    body->setContentsMargins(10, 8, 10, 8);
    body->setSpacing(10);
    body->addWidget(buildPhotoPanel());
    auto *cardColumn = new QVBoxLayout;
    cardColumn->setSpacing(6);
    cardColumn->addWidget(buildCard(), 1);
    cardColumn->addWidget(buildComplianceStrip());
    body->addLayout(cardColumn, 1);

    panInfo = new QLabel(QStringLiteral("Pronto per archiviare una nuova scheda..."), this);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    Looks::set(panInfo, Looks::Look::Status);
    panInfo->setMinimumWidth(1);

    // State the window keeps in hidden labels.
    for (const char *name : {"lblFile01", "lblFile02", "lblFile03", "lblDesc01", "lblDesc02", "lblDesc03"})
        m_attachmentLabels.append(Controls::stateLabel(this, name));
    lblInizio = Controls::stateLabel(this, "lblInizio");
    lblSolare = Controls::stateLabel(this, "lblSolare");

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    root->addWidget(buildToolbar());
    root->addLayout(body, 1);
    root->addWidget(panInfo);

    for (const CardField &f : cardFields())
        if (f.enterNext)
            FieldBehaviour::enterChain(this, {{QLatin1StringView(f.name), QLatin1StringView(f.enterNext)}});
    FieldBehaviour::installHintLine(this, panInfo);
}

QWidget *TfrmRegistro::buildToolbar()
{
    auto *bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("panPulsanti"));
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(8, 4, 8, 4);
    row->setSpacing(2);

    lblPosizione = Toolbar::add(bar, row, Toolbar::bind(this, toolbarButtons()),
                                QStringLiteral("Posizione della scheda in archivio"));
    row->addStretch();
    Toolbar::add(bar, row, Toolbar::bind(this, closingButtons()));
    return bar;
}

QWidget *TfrmRegistro::buildCard()
{
    auto *card = new QFrame;
    card->setObjectName(QStringLiteral("panScheda"));
    Looks::set(card, Looks::Look::Card);
    const QFont fieldFont = Theme::font(Theme::Face::Body, 12, QFont::Bold);
    const QFontMetrics fieldMetrics(fieldFont);

    QHash<QString, QWidget *> controls;
    for (const CardField &f : cardFields()) {
        auto *field = new QLineEdit(card);
        field->setObjectName(QLatin1StringView(f.name));
        field->setFont(fieldFont);
        field->setMaxLength(f.maxLength);
        field->setAlignment(f.alignment);
        if (f.widthChars > 0)
            field->setFixedWidth(fieldMetrics.horizontalAdvance(QString(f.widthChars, u'0')) + 18);
        FieldBehaviour::highlightWithBackground(field);
        FieldKinds::apply(field, f.kind);
        // A date is taken from the calendar, which any key opens.
        if (f.kind.type == FieldKind::Date) {
            field->setReadOnly(true);
            field->installEventFilter(this);
            FieldBehaviour::setHint(field, kDateHint);
        }
        this->*(f.member) = field;
        m_textFields.append(field);
        controls.insert(field->objectName(), field);
    }

    auto *impCliente = Icons::hintedButton(card, "impCliente", "import", 24,
                                           QStringLiteral("Importa i dati dall'archivio anagrafico dei clienti."));
    auto *btnCodFisc = Icons::hintedButton(card, "btnCodFisc", "check", 24, QStringLiteral("Controlla il codice fiscale."));
    connect(impCliente, &QToolButton::clicked, this, &TfrmRegistro::impClienteClick);
    connect(btnCodFisc, &QToolButton::clicked, this, &TfrmRegistro::btnCodFiscClick);
    chkVenduto = new QCheckBox(QStringLiteral("Venduto"), card);
    chkVenduto->setObjectName(QStringLiteral("chkVenduto"));
    chkVenduto->setFont(Theme::font(Theme::Face::Body, 11, QFont::Bold));
    FieldBehaviour::setHint(chkVenduto, QStringLiteral(
        "Spunta questa casella per indicare che l'oggetto prezioso è stato venduto."));
    controls.insert(impCliente->objectName(), impCliente);
    controls.insert(btnCodFisc->objectName(), btnCodFisc);
    controls.insert(chkVenduto->objectName(), chkVenduto);
    // The small sold-tag picture beside the check box.
    auto *imgVenduto = new QLabel(card);
    imgVenduto->setObjectName(QStringLiteral("imgVenduto"));
    imgVenduto->setPixmap(Icons::pixmap(QStringLiteral("sold"), 28));
    controls.insert(imgVenduto->objectName(), imgVenduto);

    m_card = card;
    m_cardControls = controls;
    layCard(false);

    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("scrScheda"));
    scroll->setWidget(card);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setAutoFillBackground(false);
    scroll->viewport()->setAutoFillBackground(false);
    Looks::onWidthCrossing(scroll->viewport(), kTwoColumnWidth, this, [this, scroll](bool wide) {
        layCard(wide);
        Looks::spreadRows(scroll->viewport(), static_cast<QGridLayout *>(m_card->layout()), kMostRowSpacing);
    });
    Looks::spreadRows(scroll->viewport(), static_cast<QGridLayout *>(card->layout()), kMostRowSpacing);
    return scroll;
}

void TfrmRegistro::layCard(bool wide)
{
    QHash<QString, QString> labels;
    for (const CardField &f : cardFields())
        labels.insert(QLatin1StringView(f.name), f.label);
    delete m_card->layout();
    qDeleteAll(m_cardCaptions);
    m_cardCaptions.clear();
    auto caption = [this](const QString &text) {
        QLabel *l = fieldLabel(m_card, text);
        m_cardCaptions.append(l);
        return l;
    };

    auto *grid = new QGridLayout(m_card);
    grid->setContentsMargins(16, 6, 16, 12);
    grid->setHorizontalSpacing(wide ? 28 : 10);
    grid->setVerticalSpacing(4);
    QList<QWidget *> tabOrder;
    // One column: one grid for the whole card, so every first caption lines
    // up. Two: the first two sections on the left, the others on the right.
    int lines[2] = {0, 0};
    const QList<Section> &sections = cardSections();
    for (qsizetype s = 0; s < sections.size(); ++s) {
        const int column = wide && s >= 2 ? 1 : 0;
        int &line = lines[column];
        auto *title = new QLabel(sections[s].title, m_card);
        title->setObjectName(QStringLiteral("lblSezione"));
        Looks::set(title, Looks::Look::Heading);
        m_cardCaptions.append(title);
        if (wide)
            grid->addWidget(title, line++, column);
        else
            grid->addWidget(title, line++, 0, 1, 2);
        for (const QStringList &names : sections[s].rows) {
            auto *row = new QHBoxLayout;
            row->setSpacing(8);
            bool stretched = false;
            for (qsizetype i = 0; i < names.size(); ++i) {
                QWidget *control = m_cardControls.value(names[i]);
                control->show();
                if (control->focusPolicy() != Qt::NoFocus)
                    tabOrder.append(control);
                const QString label = labels.value(names[i]);
                const bool fills = qobject_cast<QLineEdit *>(control) && control->maximumWidth() == QWIDGETSIZE_MAX;
                stretched = stretched || fills;
                if (wide) {
                    auto *cell = new QVBoxLayout;
                    cell->setSpacing(1);
                    cell->addStretch();
                    if (!label.isEmpty())
                        cell->addWidget(caption(label));
                    cell->addWidget(control);
                    row->addLayout(cell, fills ? 1 : 0);
                    continue;
                }
                if (i == 0) {
                    QLabel *first = caption(label);
                    first->setWordWrap(true);
                    first->setFixedWidth(195);
                    grid->addWidget(first, line, 0);
                } else if (!label.isEmpty()) {
                    row->addSpacing(6);
                    row->addWidget(caption(label));
                }
                row->addWidget(control, fills ? 1 : 0);
            }
            if (!stretched)
                row->addStretch();
            grid->addLayout(row, line++, wide ? column : 1);
        }
    }
    if (wide) {
        // The object's long descriptions get the wider column.
        grid->setColumnStretch(0, 3);
        grid->setColumnStretch(1, 2);
    } else {
        grid->setColumnStretch(1, 1);
    }
    for (QWidget *c : std::as_const(m_cardCaptions))
        c->show();
    // Tab follows the card as it is laid out; Enter keeps its own chain.
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
    // Spare height opens the rows up; what is left stays below the last one.
    grid->setRowStretch(std::max(lines[0], lines[1]), 1);
}

#include "summaries/PayoutChooser.h"
#include "ui/FieldKind.h"
#include "ui/Looks.h"
#include "ui/WindowNames.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/FieldBehaviour.h"
#include "ui/Icons.h"
#include "ui/Messages.h"
#include "ui/Modal.h"
#include "ui/Theme.h"
#include "storage/Clock.h"
#include "storage/DataFolder.h"
#include "summaries/PayoutRules.h"
#include "summaries/PayoutSummary.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <exception>

namespace {

// A drop-down whose value can only be picked: typing is swallowed (Enter
// still moves on), and a text that is not one of the entries is emptied
// when the field is left.
class PickOnly : public QObject
{
public:
    PickOnly(QComboBox *field, bool (*accepts)(const QString &)) : QObject(field), m_accepts(accepts) {}
    bool eventFilter(QObject *o, QEvent *e) override
    {
        auto *field = static_cast<QComboBox *>(o);
        if (e->type() == QEvent::KeyPress) {
            const auto *k = static_cast<QKeyEvent *>(e);
            switch (k->key()) {
            case Qt::Key_Return: case Qt::Key_Enter: case Qt::Key_Tab: case Qt::Key_Backtab:
            case Qt::Key_Up: case Qt::Key_Down: case Qt::Key_PageUp: case Qt::Key_PageDown:
            case Qt::Key_F4: case Qt::Key_Escape:
                return false;
            default:
                return true;
            }
        }
        if (e->type() == QEvent::FocusOut && !m_accepts(field->currentText()))
            field->setEditText(QString());
        return false;
    }

private:
    bool (*m_accepts)(const QString &);
};

QComboBox *pickField(QWidget *parent, const char *name, const QStringList &items, int maxLength,
                     bool (*accepts)(const QString &))
{
    auto *field = new QComboBox(parent);
    field->setObjectName(QLatin1StringView(name));
    field->setEditable(true);
    field->setInsertPolicy(QComboBox::NoInsert);
    field->addItems(items);
    field->setMaxVisibleItems(12);
    field->lineEdit()->setMaxLength(maxLength);
    field->setFont(Theme::font(Theme::Face::Body, 11));
    field->installEventFilter(new PickOnly(field, accepts));
    return field;
}

QLabel *caption(QWidget *parent, const QString &text)
{
    auto *l = new QLabel(text, parent);
    l->setFont(Theme::font(Theme::Face::Body, 10, QFont::Bold));
    Looks::set(l, Looks::Look::Title);
    return l;
}

QLabel *hidden(QWidget *parent, const char *name)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QLatin1StringView(name));
    l->hide();
    return l;
}

QLineEdit *field(QWidget *parent, const char *name, int maxLength)
{
    auto *f = FieldKinds::lineEdit(FieldKinds::make(parent, QLatin1StringView(name), FieldKind::text(), maxLength));
    f->setFont(Theme::font(Theme::Face::Body, 11));
    return f;
}

} // namespace

TfrmMenuRiepCosti::TfrmMenuRiepCosti(QWidget *parent)
    : AreaWindow(WindowNames::of<TfrmMenuRiepCosti>(), QStringLiteral(" Valtrena - Riepilogo esborsi"),
                 Presentation::Maximised, parent)
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("panPagina"));
    Looks::set(page, Looks::Look::Card);
    page->setMaximumWidth(860);

    auto *title = new QLabel(QStringLiteral("Riepilogo esborsi per acquisto oggetti preziosi"), page);
    title->setFont(Theme::font(Theme::Face::Title, 18, QFont::Bold));
    Looks::set(title, Looks::Look::Title);
    const char *instructions[][2] = {
        {"lblCampo01", "Indicare l'anno solare di interesse, la natura e qualità degli oggetti preziosi "
                       "acquistati e/o il codice fiscale del cliente."},
        {"lblCampo02", "Per ottenere il riepilogo di tutti gli esborsi effettuati nell'intervallo di tempo, "
                       "lasciare in bianco i campi di testo."},
        {"lblCampo03", "Indicare l'intervallo di tempo relativo al periodo da riepilogare in base alla data "
                       "dell'operazione."},
    };
    QList<QLabel *> lines;
    for (const auto &[name, text] : instructions) {
        auto *l = new QLabel(QString::fromUtf8(text), page);
        l->setObjectName(QLatin1StringView(name));
        l->setWordWrap(true);
        l->setFont(Theme::font(Theme::Face::Body, 10));
        lines.append(l);
    }

    QWidget *filters = buildFilters(page);
    auto *interval = new QHBoxLayout;
    interval->setSpacing(16);
    interval->addWidget(buildInterval(page, QStringLiteral(" Data inizio intervallo: "), "txtGiornoInizio",
                                      "txtMeseInizio", "lblAnnoInizio", &txtGiornoInizio, &txtMeseInizio,
                                      &lblAnnoInizio));
    interval->addWidget(buildInterval(page, QStringLiteral(" Data fine intervallo: "), "txtGiornoFine", "txtMeseFine",
                                      "lblAnnoFine", &txtGiornoFine, &txtMeseFine, &lblAnnoFine));

    lblAttendere = new QLabel(QStringLiteral("Caricamento riepilogo in corso. Attendere..."), page);
    lblAttendere->setObjectName(QStringLiteral("lblAttendere"));
    lblAttendere->setFont(Theme::font(Theme::Face::Body, 10, QFont::Bold));
    Looks::set(lblAttendere, Looks::Look::Emphasis);
    lblAttendere->hide();
    lblDataInizio = hidden(page, "lblDataInizio");
    lblDataFine = hidden(page, "lblDataFine");
    lblFile = hidden(page, "lblFile");

    btnVisualizza = new QPushButton(Icons::icon(QStringLiteral("list")), QStringLiteral("Visualizza riepilogo"), page);
    btnVisualizza->setObjectName(QStringLiteral("btnVisualizza"));
    auto *btnEsci = new QPushButton(Icons::icon(QStringLiteral("exit")), QStringLiteral("Esci"), page);
    btnEsci->setObjectName(QStringLiteral("btnEsci"));
    for (QPushButton *b : {btnVisualizza, btnEsci}) {
        b->setIconSize(QSize(22, 22));
        b->setMinimumHeight(38);
        b->setMinimumWidth(130);
        b->setAutoDefault(false);
    }
    btnVisualizza->installEventFilter(this);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(lblAttendere);
    buttons->addStretch();
    buttons->addWidget(btnVisualizza);
    buttons->addWidget(btnEsci);

    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(32, 24, 32, 22);
    layout->setSpacing(10);
    layout->addWidget(title);
    layout->addWidget(lines[0]);
    layout->addWidget(lines[1]);
    layout->addWidget(filters);
    layout->addSpacing(6);
    layout->addWidget(lines[2]);
    layout->addLayout(interval);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    auto *outer = new QVBoxLayout(this);
    outer->addStretch(1);
    outer->addWidget(page, 0, Qt::AlignHCenter);
    outer->addStretch(2);

    FieldBehaviour::enterChain(this, {{QStringLiteral("txtAnno"), QStringLiteral("txtEsecutore")},
                                      {QStringLiteral("txtEsecutore"), QStringLiteral("txtCCP")},
                                      {QStringLiteral("txtCCP"), QStringLiteral("txtGiornoInizio")},
                                      {QStringLiteral("txtGiornoInizio"), QStringLiteral("txtMeseInizio")},
                                      {QStringLiteral("txtMeseInizio"), QStringLiteral("txtGiornoFine")},
                                      {QStringLiteral("txtGiornoFine"), QStringLiteral("txtMeseFine")},
                                      {QStringLiteral("txtMeseFine"), QStringLiteral("btnVisualizza")}});
    connect(btnVisualizza, &QPushButton::clicked, this, &TfrmMenuRiepCosti::btnVisualizzaClick);
    connect(btnEsci, &QPushButton::clicked, this, &QWidget::close);
}

QWidget *TfrmMenuRiepCosti::buildFilters(QWidget *parent)
{
    auto *box = new QWidget(parent);
    txtAnno = field(box, "txtAnno", 4);
    txtAnno->setFixedWidth(90);
    txtAnno->setFont(Theme::font(Theme::Face::Body, 12, QFont::Bold));
    FieldKinds::apply(txtAnno, FieldKind::digits());
    txtAnno->installEventFilter(this);
    txtEsecutore = field(box, "txtEsecutore", 120);
    txtCCP = field(box, "txtCCP", 16);
    txtCCP->setFixedWidth(220);
    FieldBehaviour::upperCaseOnKeyRelease(txtCCP);
    for (QLineEdit *f : {txtAnno, txtEsecutore, txtCCP})
        FieldBehaviour::highlightWithBackground(f);

    auto *impCliente = Icons::button(box, "impCliente", "import", 26,
                                     QStringLiteral("Importa il codice fiscale dall'anagrafica clienti"));

    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(0, 4, 0, 4);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(8);
    grid->addWidget(caption(box, QStringLiteral("Anno:")), 0, 0, Qt::AlignRight);
    grid->addWidget(txtAnno, 0, 1, Qt::AlignLeft);
    grid->addWidget(caption(box, QStringLiteral("Natura e qualità oggetti preziosi:")), 1, 0, Qt::AlignRight);
    grid->addWidget(txtEsecutore, 1, 1, 1, 2);
    grid->addWidget(caption(box, QStringLiteral("Codice fiscale cliente:")), 2, 0, Qt::AlignRight);
    auto *code = new QHBoxLayout;
    code->addWidget(txtCCP);
    code->addWidget(impCliente);
    code->addStretch();
    grid->addLayout(code, 2, 1, 1, 2);
    grid->setColumnStretch(2, 1);

    connect(txtAnno, &QLineEdit::editingFinished, this, &TfrmMenuRiepCosti::txtAnnoChange);
    connect(impCliente, &QToolButton::clicked, this, &TfrmMenuRiepCosti::impClienteClick);
    return box;
}

QWidget *TfrmMenuRiepCosti::buildInterval(QWidget *parent, const QString &title, const char *day, const char *month,
                                           const char *year, QComboBox **dayField, QComboBox **monthField,
                                           QLabel **yearLabel)
{
    auto *group = new QGroupBox(title, parent);
    *dayField = pickField(group, day, PayoutRules::dayItems(), 2, &PayoutRules::isDayItem);
    (*dayField)->setFixedWidth(80);
    *monthField = pickField(group, month, PayoutRules::monthItems(), 9, &PayoutRules::isMonthItem);
    (*monthField)->setMinimumWidth(150);
    *yearLabel = new QLabel(QStringLiteral("ANNO"), group);
    (*yearLabel)->setObjectName(QLatin1StringView(year));
    (*yearLabel)->setFont(Theme::font(Theme::Face::Body, 20, QFont::Bold));
    Looks::set((*yearLabel), Looks::Look::Emphasis);

    auto *row = new QHBoxLayout(group);
    row->setSpacing(10);
    row->addWidget(*dayField);
    row->addWidget(*monthField, 1);
    row->addSpacing(6);
    row->addWidget(*yearLabel);
    return group;
}

void TfrmMenuRiepCosti::formShow()
{
    txtEsecutore->clear();
    txtCCP->clear();
    for (QComboBox *c : {txtGiornoInizio, txtMeseInizio, txtGiornoFine, txtMeseFine}) {
        c->setCurrentIndex(-1);
        c->setEditText(QString());
    }
    txtAnno->setText(Clock::today().toString(QStringLiteral("yyyy")));
    txtAnnoChange();
    lblAttendere->hide();
    txtEsecutore->setFocus();
}

bool TfrmMenuRiepCosti::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtAnno && (event->type() == QEvent::KeyRelease || event->type() == QEvent::FocusOut))
        txtAnnoChange();
    // The waiting label shows as soon as the button is pressed, before the
    // summary starts reading.
    if (watched == btnVisualizza && event->type() == QEvent::MouseButtonPress) {
        lblAttendere->show();
        lblAttendere->repaint();
    }
    return AreaWindow::eventFilter(watched, event);
}

void TfrmMenuRiepCosti::txtAnnoChange()
{
    lblAnnoInizio->setText(txtAnno->text().trimmed());
    lblAnnoFine->setText(txtAnno->text().trimmed());
}

void TfrmMenuRiepCosti::impClienteClick()
{
    Dialogs::openWithToken(WindowNames::trovaClienti, this, QStringLiteral("menuriepcosti"));
}

void TfrmMenuRiepCosti::refuse(const QString &message, bool warning, const QString &focus)
{
    lblAttendere->hide();
    if (warning)
        Messages::warning(message, this);
    else
        Messages::plain(message, this);
    if (focus.isEmpty())
        return;  // the focus stays where it was
    if (QWidget *w = Controls::child(this, focus))
        w->setFocus();
}

void TfrmMenuRiepCosti::btnVisualizzaClick()
{
    lblDataInizio->clear();
    lblDataFine->clear();
    try {
        const auto check = PayoutRules::check({txtAnno->text(), txtGiornoInizio->currentText(),
                                               txtMeseInizio->currentText(), txtGiornoFine->currentText(),
                                               txtMeseFine->currentText()});
        lblDataInizio->setText(check.start);
        lblDataFine->setText(check.end);
        if (!check.passed()) {
            refuse(check.message, check.kind == PayoutRules::Check::Kind::Warning, check.focus);
            return;
        }
        lblFile->setText(DataFolder::file(FileNames::registerArchive()));
        TfrmRiepCosti summary(this);
        Modal::exec(&summary);
    } catch (const std::exception &) {
        refuse(QStringLiteral("Attenzione: il file di archivio non risulta accessibile."), false, QString());
    }
}

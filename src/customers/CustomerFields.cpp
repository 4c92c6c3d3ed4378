#include "customers/CustomerFields.h"
#include "ui/Looks.h"
#include "ui/FieldBehaviour.h"
#include "ui/FieldKind.h"
#include "ui/Icons.h"
#include "customers/CustomerCard.h"
#include "customers/CustomerRecord.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace CustomerFields {
namespace {

enum Panel { Left, Right };

struct Box
{
    const char *field;
    const char16_t *caption;  // nullptr: the trade-name captions
    Panel panel;
    int row;                  // line inside its panel
    int stretch;              // 0: fixed width
    int width;                // in average characters, for fixed boxes
    unsigned flags;
    const char *button;       // the button beside the box, if any
    const char *buttonIcon;
    int maxLength;            // 0: the field's capacity
};

// Card order: 1 to 11 on the left, 12 to 14 on the right.
const Box kBoxes[] = {
    {"Cognome", u"Cognome:", Left, 0, 3, 0, 0, nullptr, nullptr, 0},
    {"Nome", u"Nome:", Left, 0, 3, 0, 0, nullptr, nullptr, 0},
    {"CodFisc", u"Codice fiscale:", Left, 0, 3, 0, UpperCase, "btnCodFisc", "check", 0},
    {"Sesso", u"Sesso:", Left, 1, 0, 5, Centred | UpperCase, nullptr, nullptr, 0},
    {"DataNasc", u"Data di nascita:", Left, 1, 0, 12, Centred, nullptr, nullptr, 0},
    {"ComuneNasc", u"Comune di nascita:", Left, 1, 4, 0, 0, nullptr, nullptr, 0},
    {"ProvNasc", u"Prov.", Left, 1, 0, 6, Province | UpperCase, nullptr, nullptr, 0},
    {"Iva", u"Partita IVA:", Left, 1, 3, 0, Digits, "btnIva", "check", 0},
    {"Indirizzo", u"Via e numero civico:", Left, 2, 5, 0, 0, nullptr, nullptr, 0},
    {"Cap", u"CAP:", Left, 2, 0, 7, 0, nullptr, nullptr, 0},
    {"ComuneRes", u"Comune di residenza:", Left, 2, 4, 0, 0, nullptr, nullptr, 0},
    {"ProvRes", u"Prov.", Left, 2, 0, 6, Province | UpperCase, nullptr, nullptr, 0},
    {"Stato", u"Stato civile:", Left, 3, 2, 0, 0, nullptr, nullptr, 0},
    {"Familiari", nullptr, Left, 3, 5, 0, 0, nullptr, nullptr, 0},
    {"Recapito", u"Telefono preferenziale:", Left, 4, 1, 0, 0, nullptr, nullptr, 0},
    {"TelCasa", u"Tel. casa:", Left, 4, 1, 0, 0, nullptr, nullptr, 0},
    {"TelCel", u"Tel. cellulare:", Left, 4, 1, 0, 0, nullptr, nullptr, 0},
    {"TelUff", u"Tel. ufficio:", Left, 5, 1, 0, 0, nullptr, nullptr, 0},
    {"Fax", u"Fax:", Left, 5, 1, 0, 0, nullptr, nullptr, 0},
    {"Email", u"E-mail:", Left, 5, 1, 0, Trimmed, "btnEmail", "email", 0},
    {"Qualifiche", u"Titolo di studio:", Left, 6, 1, 0, 0, nullptr, nullptr, 0},
    {"Professione", u"Professione:", Left, 6, 1, 0, 0, nullptr, nullptr, 0},
    {"Iban", u"IBAN:", Left, 7, 3, 0, UpperCase, "btnIban", "check", 0},
    {"Intestatario", u"Intestatario C/C:", Left, 7, 2, 0, 0, nullptr, nullptr, 0},
    {"Banca", u"Banca:", Left, 8, 3, 0, 0, nullptr, nullptr, 0},
    {"Carta", u"Carta di credito n.", Left, 8, 3, 0, Digits, "btnCarta", "check", 0},
    {"ScadeCarta", u"Scadenza:", Left, 8, 0, 12, Centred, nullptr, nullptr, 0},
    {"Prodotti", nullptr, Left, 9, 1, 0, 0, nullptr, nullptr, 0},
    {"Pagamento", u"Modalità di pagamento:", Left, 10, 1, 0, 0, nullptr, nullptr, 0},
    {"Note", u"Note:", Left, 10, 1, 0, 0, nullptr, nullptr, 0},
    {"TipoDoc", u"Tipo di documento:", Right, 0, 1, 0, 0, nullptr, nullptr, 0},
    {"NumDoc", u"Numero:", Right, 0, 1, 0, 0, nullptr, nullptr, 0},
    {"EnteRil", u"Ente di rilascio:", Right, 1, 1, 0, 0, nullptr, nullptr, 0},
    {"DataRil", u"Data di rilascio:", Right, 1, 0, 12, Centred, nullptr, nullptr, 0},
    {"DataSca", u"Data di scadenza:", Right, 1, 0, 12, Centred, nullptr, nullptr, 0},
    {"Codice", u"Codice cliente:", Right, 2, 1, 0, 0, nullptr, nullptr, 0},
    {"Categoria", u"Categoria:", Right, 2, 1, 0, 0, nullptr, nullptr, 0},
    {"Zona", u"Denominazione Ditta:", Right, 3, 1, 0, 0, nullptr, nullptr, 0},
    {"Acquisto", u"Causale pagamento rateale in corso:", Right, 4, 1, 0, 0, nullptr, nullptr, 0},
    {"Decorrenza", u"Data decorrenza:", Right, 5, 1, 0, 0, nullptr, nullptr, 0},
    {"Scadenza", u"Prossima scadenza:", Right, 5, 1, 0, RedCaption, nullptr, nullptr, 0},
    {"Preavviso", u"Giorni di preavviso:", Right, 5, 1, 0, RedCaption | Centred | Digits, nullptr, nullptr, 0},
    {"Totale", u"Importo totale: €", Right, 6, 1, 0, RightAligned | Amount, nullptr, nullptr, 0},
    {"Frazionamento", u"Frazionamento:", Right, 6, 1, 0, 0, nullptr, nullptr, 0},
    // The field holds 50 characters, the box has always taken 15.
    {"Rata", u"Importo rata: €", Right, 6, 1, 0, RightAligned | Amount, nullptr, nullptr, 15},
};

// Section titles drawn above the listed lines, with a rule across the panel.
struct Section
{
    Panel panel;
    int beforeRow;
    const char16_t *title;
};
const Section kSections[] = {
    {Left, 0, u"Dati anagrafici"},
    {Left, 4, u"Recapiti"},
    {Left, 7, u"Dati bancari e commerciali"},
    {Right, 0, u"Documento di riconoscimento"},
    {Right, 2, u"Dati aziendali"},
    {Right, 4, u"Pagamento rateale"},
};

QString captionOf(const Box &box)
{
    if (box.caption)
        return QString::fromUtf16(box.caption);
    return QLatin1StringView(box.field) == QLatin1StringView("Familiari") ? CustomerCard::boughtLabel()
                                                                           : CustomerCard::soldLabel();
}

int capacityOf(const Box &box)
{
    return CustomerRecord::kFields[CustomerRecordLayout::indexOf(QString::fromLatin1(box.field))].capacity;
}

// Limits what the user types without cutting a longer text the card
// already holds (a box may be shorter than its field).
class TypingLimit : public QObject
{
public:
    TypingLimit(int length, QLineEdit *edit) : QObject(edit), m_length(length) {}
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() != QEvent::KeyPress)
            return false;
        const QString typed = static_cast<QKeyEvent *>(e)->text();
        if (typed.isEmpty() || !typed.at(0).isPrint())
            return false;
        auto *edit = static_cast<QLineEdit *>(o);
        return edit->text().size() - edit->selectedText().size() >= m_length;
    }

private:
    int m_length;
};

// Trims the text after every key release (the e-mail address).
class TrimOnKeyRelease : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::KeyRelease) {
            auto *f = static_cast<QLineEdit *>(o);
            const QString t = ShortText::trimmed(f->text());
            if (t != f->text())
                f->setText(t);
        }
        return false;
    }
};

FieldKind kindOf(const Box &def)
{
    if (def.flags & Province)
        return FieldKind::province();
    if (def.flags & Amount)
        return FieldKind::amount(4, QStringLiteral("0,00"));
    if (def.flags & UpperCase)
        return FieldKind::upperCase();
    if (def.flags & Digits)
        return FieldKind::digits();
    return FieldKind::text();
}

QWidget *makeBox(const Box &def, QWidget *parent)
{
    const FieldKind kind = kindOf(def);
    QWidget *box = FieldKinds::make(parent, QStringLiteral("txt") + QLatin1StringView(def.field), kind,
                                    def.flags & Province ? 2 : capacityOf(def));
    if (auto *combo = qobject_cast<QComboBox *>(box)) {
        combo->setCurrentIndex(-1);
        combo->setMaxVisibleItems(16);
    }
    QLineEdit *edit = FieldKinds::lineEdit(box);
    if (def.maxLength)
        edit->installEventFilter(new TypingLimit(def.maxLength, edit));
    if (def.flags & Centred)
        edit->setAlignment(Qt::AlignCenter);
    if (def.flags & RightAligned)
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (def.flags & Trimmed)
        edit->installEventFilter(new TrimOnKeyRelease(edit));
    FieldKinds::apply(box, kind);
    if (def.stretch == 0) {
        box->ensurePolished();  // measure in the font the window's sheet gives
        const int chars = def.width;
        box->setFixedWidth(box->fontMetrics().averageCharWidth() * chars + 16
                           + (def.flags & Province ? 22 : 0));
    }
    return box;
}

QWidget *makeCell(const Box &def, QWidget *parent)
{
    auto *cell = new QWidget(parent);
    auto *caption = new QLabel(captionOf(def), cell);
    caption->setObjectName(QStringLiteral("tit") + QLatin1StringView(def.field));
    Looks::set(caption, def.flags & RedCaption ? Looks::Look::CaptionAlert : Looks::Look::Caption);
    QWidget *box = makeBox(def, cell);
    caption->setBuddy(box);

    auto *line = new QHBoxLayout;
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(4);
    line->addWidget(box, 1);
    if (def.button) {
        QToolButton *button = Icons::button(cell, def.button, def.buttonIcon, 18, {});
        button->setFocusPolicy(Qt::NoFocus);
        const int side = box->sizeHint().height();
        button->setFixedSize(side, side);
        line->addWidget(button);
    }
    auto *layout = new QVBoxLayout(cell);
    // Room around the box for its focus rectangle.
    layout->setContentsMargins(3, 0, 3, 3);
    layout->setSpacing(3);
    layout->addWidget(caption);
    layout->addLayout(line);
    return cell;
}

QWidget *sectionTitle(const QString &title, QWidget *parent)
{
    auto *head = new QWidget(parent);
    auto *label = new QLabel(title, head);
    Looks::set(label, Looks::Look::Heading);
    auto *layout = new QHBoxLayout(head);
    layout->setContentsMargins(3, 4, 3, 0);
    layout->addWidget(label, 1);
    return head;
}

// Spare height goes between the lines, a little each, and the rest below;
// the right panel has fewer lines and keeps most of it at the bottom.
void buildPanel(Panel panel, QWidget *host, int bottomWeight)
{
    auto *column = new QVBoxLayout(host);
    column->setContentsMargins(14, 8, 14, 10);
    column->setSpacing(2);
    int lastRow = -1;
    QHBoxLayout *line = nullptr;
    for (const Box &def : kBoxes) {
        if (def.panel != panel)
            continue;
        if (def.row != lastRow) {
            if (lastRow >= 0)
                column->addStretch(1);
            for (const Section &s : kSections)
                if (s.panel == panel && s.beforeRow == def.row)
                    column->addWidget(sectionTitle(QString::fromUtf16(s.title), host));
            line = new QHBoxLayout;
            line->setSpacing(8);
            column->addLayout(line);
            lastRow = def.row;
        }
        line->addWidget(makeCell(def, host), def.stretch);
    }
    column->addStretch(bottomWeight);
}

} // namespace

const QStringList &boxNames()
{
    static const QStringList names = [] {
        QStringList out;
        for (const Box &def : kBoxes)
            out.append(QStringLiteral("txt") + QLatin1StringView(def.field));
        return out;
    }();
    return names;
}

void build(QWidget *left, QWidget *right)
{
    buildPanel(Left, left, 2);
    buildPanel(Right, right, 8);
}

} // namespace CustomerFields

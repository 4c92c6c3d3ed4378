#include "receipts/ReceiptLines.h"
#include "ui/FieldBehaviour.h"
#include "ui/FieldKind.h"
#include "ui/Icons.h"
#include "receipts/ReceiptArchive.h"
#include "receipts/ReceiptForm.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kRowsPerColumn = 5;

// The arrows of each page: back and forward. The first page's back arrow
// and the last page's forward arrow lead nowhere.
struct PageArrows
{
    const char *back;
    const char *forward;
};
constexpr PageArrows kArrows[ReceiptLines::kPages] = {
    {"imgIndietro_A", "imgAvanti_A"},
    {"imgIndietro_B", "imgAvanti_B"},
    {"imgIndietro_C", "imgAvanti_C"},
};

} // namespace

ReceiptLines::ReceiptLines(QWidget *parent) : QWidget(parent)
{
    QFrame *card = ReceiptForm::card(this, "panRighe", QString(), nullptr, &m_title);
    m_pages = new QStackedWidget(card);
    m_pages->setObjectName(QStringLiteral("stkPagine"));
    for (int page = 0; page < kPages; ++page)
        m_pages->addWidget(buildPage(page));
    card->layout()->addWidget(m_pages);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(card);
    showPage(0);

    const auto connectArrow = [this](const char *name, void (ReceiptLines::*slot)()) {
        connect(findChild<QToolButton *>(QLatin1StringView(name)), &QToolButton::clicked, this, slot);
    };
    connectArrow("imgAvanti_A", &ReceiptLines::imgAvanti_AClick);
    connectArrow("imgAvanti_B", &ReceiptLines::imgAvanti_BClick);
    connectArrow("imgIndietro_B", &ReceiptLines::imgIndietro_BClick);
    connectArrow("imgIndietro_C", &ReceiptLines::imgIndietro_CClick);
}

QWidget *ReceiptLines::buildPage(int page)
{
    const int firstLine = page * kPerPage + 1;
    auto *group = new QGroupBox(m_pages);
    group->setObjectName(QStringLiteral("grpPage0%1").arg(page + 1));

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(6);
    // Two columns of five lines: number, description, amount, import button.
    for (int half = 0; half < 2; ++half) {
        const int c = half * 5;
        auto *descHead = new QLabel(QStringLiteral("Descrizione:"), group);
        auto *amountHead = new QLabel(QStringLiteral("Importo:"), group);
        descHead->setProperty("heading", true);
        amountHead->setProperty("heading", true);
        grid->addWidget(descHead, 0, c + 1);
        grid->addWidget(amountHead, 0, c + 2, Qt::AlignRight);
        grid->setColumnStretch(c + 1, 1);
        for (int row = 0; row < kRowsPerColumn; ++row) {
            const int line = firstLine + half * kRowsPerColumn + row;
            auto *number = new QLabel(QString::number(line) + u'.', group);
            number->setObjectName(ReceiptArchive::lineControl("lblRiga", line));
            number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            number->setMinimumWidth(26);
            auto *desc = new QLineEdit(group);
            desc->setObjectName(ReceiptArchive::lineControl("txtDesc", line));
            desc->setMaxLength(55);
            auto *amount = new QLineEdit(group);
            amount->setObjectName(ReceiptArchive::lineControl("txtPrezzo", line));
            amount->setMaxLength(10);
            amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            amount->setFixedWidth(110);
            const QString hint = QStringLiteral("Importa i dati dal Registro Operazioni.");
            auto *imp = Icons::button(group, ReceiptArchive::lineControl("impMag", line), Icons::icon(QStringLiteral("import")), 20, hint);
            FieldBehaviour::setHint(imp, hint);

            FieldKinds::apply(amount, FieldKind::amount(4, QString()));
            connect(amount, &QLineEdit::textEdited, this, &ReceiptLines::amountEdited);
            connect(imp, &QToolButton::clicked, this, [this, line] { emit importRequested(line); });
            m_descriptions[line - 1] = desc;
            m_amounts[line - 1] = amount;

            grid->addWidget(number, row + 1, c);
            grid->addWidget(desc, row + 1, c + 1);
            grid->addWidget(amount, row + 1, c + 2);
            grid->addWidget(imp, row + 1, c + 3);
        }
    }
    grid->setColumnMinimumWidth(4, 18);

    auto *back = Icons::hintedButton(group, kArrows[page].back, "previous", 28,
                                     QStringLiteral("Visualizza i prodotti e servizi precedenti."));
    auto *forward = Icons::hintedButton(group, kArrows[page].forward, "next", 28,
                                        QStringLiteral("Visualizza i prodotti e servizi successivi."));
    back->setEnabled(page > 0);
    forward->setEnabled(page < kPages - 1);
    auto *pageLabel = new QLabel(QStringLiteral("Pagina %1 di %2").arg(page + 1).arg(kPages), group);
    pageLabel->setProperty("heading", true);
    auto *arrows = new QHBoxLayout;
    arrows->addStretch();
    arrows->addWidget(back);
    arrows->addWidget(pageLabel);
    arrows->addWidget(forward);

    auto *layout = new QVBoxLayout(group);
    layout->setContentsMargins(10, 0, 10, 0);
    layout->addLayout(grid);
    layout->addLayout(arrows);
    return group;
}

int ReceiptLines::currentPage() const { return m_pages->currentIndex(); }

void ReceiptLines::showPage(int page)
{
    m_pages->setCurrentIndex(page);
    const int firstLine = page * kPerPage + 1;
    m_title->setText(QStringLiteral("Prodotti e servizi  \u2013  righe %1 - %2")
                         .arg(firstLine)
                         .arg(firstLine + kPerPage - 1));
}

void ReceiptLines::turnTo(int page, int focusLine)
{
    showPage(page);
    description(focusLine)->setFocus();
}

void ReceiptLines::imgAvanti_AClick() { turnTo(1, 11); }
void ReceiptLines::imgAvanti_BClick() { turnTo(2, 21); }
void ReceiptLines::imgIndietro_BClick() { turnTo(0, 1); }
void ReceiptLines::imgIndietro_CClick() { turnTo(1, 11); }

#include "summaries/InventoryChooser.h"
#include "ui/Looks.h"
#include "ui/Help.h"
#include "ui/WindowNames.h"
#include "ui/Icons.h"
#include "ui/Modal.h"
#include "ui/Theme.h"
#include "summaries/Inventory.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
} // namespace

TfrmMenuRiepilogo::TfrmMenuRiepilogo(QWidget *parent)
    : AreaWindow(WindowNames::of<TfrmMenuRiepilogo>(), QStringLiteral(" Valtrena - Inventario oggetti preziosi"),
                 Presentation::Maximised, parent)
{
    setStyleSheet(Theme::css(u"#btnVisualizza{background:qlineargradient(x1:0,y1:0,x2:0,y2:1,stop:0 @buttonTop,stop:1 @buttonBottom);"
        "color:@textOnColour;font:bold 11pt @titleFace;border:none;border-radius:6px;padding:8px 26px;}"
        "#btnVisualizza:hover{background:@houseBlue;}"));

    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panInventario"));
    Looks::set(panel, Looks::Look::Card);
    panel->setMinimumWidth(760);
    panel->setMaximumWidth(980);

    auto *imgIcona = new QLabel(panel);
    imgIcona->setPixmap(Icons::pixmap(QStringLiteral("area-inventory"), 64));
    auto *lblTitolo = new QLabel(QStringLiteral("Inventario oggetti preziosi"), panel);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo->setFont(Theme::font(Theme::Face::Title, 22, QFont::Bold));
    Looks::set(lblTitolo, Looks::Look::Title);
    auto *imgGuida = Icons::button(panel, "imgGuida", "help", 32, QStringLiteral("Guida all'inventario"));
    auto *imgEsci = Icons::button(panel, "imgEsci", "exit", 32, QStringLiteral("Torna al menu principale"));
    connect(imgGuida, &QToolButton::clicked, this, &TfrmMenuRiepilogo::imgGuidaClick);
    connect(imgEsci, &QToolButton::clicked, this, &TfrmMenuRiepilogo::imgEsciClick);
    auto *head = new QHBoxLayout;
    head->addWidget(imgIcona);
    head->addSpacing(10);
    head->addWidget(lblTitolo, 1);
    head->addWidget(imgGuida);
    head->addWidget(imgEsci);

    auto *lblIstruz01 = new QLabel(
        QStringLiteral("Indicare la natura e qualità degli oggetti preziosi e premere Visualizza."), panel);
    lblIstruz01->setObjectName(QStringLiteral("lblIstruz01"));
    auto *lblIstruz02 = new QLabel(
        QStringLiteral("Per ottenere l'inventario di tutti gli oggetti preziosi disponibili, premere Visualizza "
                       "senza indicare alcun filtro di ricerca."),
        panel);
    lblIstruz02->setObjectName(QStringLiteral("lblIstruz02"));
    for (QLabel *l : {lblIstruz01, lblIstruz02}) {
        l->setWordWrap(true);
        l->setFont(Theme::font(Theme::Face::Body, 10));
    }

    txtTipologia = new QLineEdit(panel);
    txtTipologia->setObjectName(QStringLiteral("txtTipologia"));
    txtTipologia->setFont(Theme::font(Theme::Face::Body, 16, QFont::Bold));
    txtTipologia->setPlaceholderText(QStringLiteral("Natura e qualità (facoltativa)"));
    txtTipologia->installEventFilter(this);
    btnVisualizza = new QPushButton(QStringLiteral("Visualizza"), panel);
    btnVisualizza->setObjectName(QStringLiteral("btnVisualizza"));
    btnVisualizza->setCursor(Qt::PointingHandCursor);
    btnVisualizza->installEventFilter(this);
    connect(btnVisualizza, &QPushButton::clicked, this, &TfrmMenuRiepilogo::btnVisualizzaClick);
    auto *field = new QHBoxLayout;
    field->addWidget(txtTipologia, 1);
    field->addWidget(btnVisualizza);

    lblAttendere = new QLabel(QStringLiteral("Caricamento inventario in corso. Attendere..."), panel);
    lblAttendere->setObjectName(QStringLiteral("lblAttendere"));
    lblAttendere->setFont(Theme::font(Theme::Face::Body, 11, QFont::Bold));
    Looks::set(lblAttendere, Looks::Look::Progress);
    // Keeps its room while hidden, so the panel does not jump when it shows.
    QSizePolicy keep = lblAttendere->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    lblAttendere->setSizePolicy(keep);
    lblAttendere->hide();

    auto *inner = new QVBoxLayout(panel);
    inner->setContentsMargins(28, 22, 28, 26);
    inner->setSpacing(12);
    inner->addLayout(head);
    inner->addSpacing(8);
    inner->addWidget(lblIstruz01);
    inner->addWidget(lblIstruz02);
    inner->addSpacing(6);
    inner->addLayout(field);
    inner->addWidget(lblAttendere);

    auto *outer = new QVBoxLayout(this);
    outer->addStretch(2);
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(panel, 4);
    row->addStretch(1);
    outer->addLayout(row);
    outer->addStretch(3);
}

void TfrmMenuRiepilogo::formShow()
{
    txtTipologia->clear();
    lblAttendere->hide();
    txtTipologia->setFocus();
}

void TfrmMenuRiepilogo::btnVisualizzaMouseDown()
{
    lblAttendere->show();
    lblAttendere->repaint();  // visible before the inventory is built
}

void TfrmMenuRiepilogo::btnVisualizzaClick()
{
    btnVisualizzaMouseDown();  // also when the button is pressed from the keyboard
    TfrmRiepilogo inventory(this);
    Modal::exec(&inventory);
    lblAttendere->hide();
}

void TfrmMenuRiepilogo::imgEsciClick() { close(); }

void TfrmMenuRiepilogo::imgGuidaClick() { Help::open(this); }

bool TfrmMenuRiepilogo::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == btnVisualizza && event->type() == QEvent::MouseButtonPress)
        btnVisualizzaMouseDown();
    if (watched == txtTipologia && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            btnVisualizza->setFocus();
            return true;
        }
    }
    return AreaWindow::eventFilter(watched, event);
}

#include "app/MainMenu.h"
#include "ui/Looks.h"
#include "ui/WindowNames.h"
#include "app/BackupAction.h"
#include "app/MakerWindows.h"
#include "ui/AppWindows.h"
#include "ui/Constants.h"
#include "ui/Help.h"
#include "ui/Icons.h"
#include "ui/Messages.h"
#include "ui/Modal.h"
#include "ui/Shell.h"
#include "ui/Theme.h"
#include "storage/DataFolder.h"

#include <algorithm>
#include <QResizeEvent>
#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

struct Area
{
    const char *img;
    const char *btn;
    const char16_t *caption;
    const char *icon;
    QLatin1StringView window;
};

constexpr Area kAreas[] = {
    {"imgRegistro", "btnRegistro", u"REGISTRO OPERAZIONI", "area-register", WindowNames::registro},
    {"imgClienti", "btnClienti", u"ANAGRAFICA CLIENTI", "area-customers", WindowNames::anagrafica},
    {"imgRicevute", "btnRicevute", u"EMISSIONE RICEVUTE", "area-receipts", WindowNames::menuRicevute},
    {"imgInventario", "btnInventario", u"INVENTARIO OGGETTI", "area-inventory", WindowNames::menuRiepilogo},
    {"imgEsborsi", "btnEsborsi", u"RIEPILOGO ESBORSI", "area-payouts", WindowNames::menuRiepCosti},
    {"imgSegnalazioni", "btnSegnalazioni", u"OPERAZIONI SOSPETTE", "area-reports", WindowNames::segnalazioni},
};

constexpr int kAreaPicture = 96;  // the side of an area's picture on the smallest screen

} // namespace

TfrmAvvio::TfrmAvvio(QWidget *parent)
    : AreaWindow(WindowNames::of<TfrmAvvio>(), QStringLiteral(" Valtrena"), Presentation::Maximised, parent)
{
    setStyleSheet(Theme::sheet(Theme::Sheet::MainMenu));
    Looks::set(this, Looks::Look::MenuPage);

    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panMenu"));
    Looks::set(panel, Looks::Look::Card);

    auto *imgIcona = new QLabel(panel);
    imgIcona->setObjectName(QStringLiteral("imgIcona"));
    imgIcona->setPixmap(Icons::pixmap(QStringLiteral("product"), 72));
    auto *imgTitolo = new QLabel(QStringLiteral("Valtrena"), panel);
    imgTitolo->setObjectName(QStringLiteral("imgTitolo"));
    imgTitolo->setFont(Theme::font(Theme::Face::Title, 34, QFont::Bold));
    Looks::set(imgTitolo, Looks::Look::Title);
    auto *imgSottotitolo = new QLabel(
        QStringLiteral("Registro operazioni, clienti e ricevute per il commercio di oro e preziosi"), panel);
    imgSottotitolo->setObjectName(QStringLiteral("imgSottotitolo"));
    imgSottotitolo->setFont(Theme::font(Theme::Face::Body, 12));
    Looks::set(imgSottotitolo, Looks::Look::Explanation);

    auto *titles = new QVBoxLayout;
    titles->addWidget(imgTitolo);
    titles->addWidget(imgSottotitolo);
    auto *head = new QHBoxLayout;
    head->addWidget(imgIcona);
    head->addSpacing(12);
    head->addLayout(titles, 1);
    auto *icons = new QHBoxLayout;
    icons->setSpacing(2);
    const struct { const char *name, *icon; const char16_t *tip; void (TfrmAvvio::*slot)(); } small[] = {
        {"imgInfo", "info", u"Informazioni su Valtrena", &TfrmAvvio::imgInfoClick},
        {"imgGuida", "help", u"Guida all'utilizzo del software", &TfrmAvvio::imgGuidaClick},
        {"imgCopyright", "copyright", u"Produttore del software", &TfrmAvvio::imgCopyrightClick},
        {"imgBackup", "backup", u"Esegui una copia di sicurezza di tutti i dati.", &TfrmAvvio::imgBackupClick},
        {"imgEsci", "exit", u"Esci da Valtrena", &TfrmAvvio::imgEsciClick},
    };
    for (const auto &s : small) {
        auto *b = Icons::button(panel, s.name, s.icon, 32, QString::fromUtf16(s.tip));
        connect(b, &QToolButton::clicked, this, s.slot);
        icons->addWidget(b);
    }
    lblUltimoBackup = new QLabel(panel);
    lblUltimoBackup->setObjectName(QStringLiteral("lblUltimoBackup"));
    lblUltimoBackup->setAlignment(Qt::AlignRight);
    auto *tools = new QVBoxLayout;
    tools->addLayout(icons);
    tools->addWidget(lblUltimoBackup);
    tools->addStretch();
    head->addLayout(tools);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(28);
    grid->setVerticalSpacing(22);
    for (int i = 0; i < 6; ++i) {
        const Area &a = kAreas[i];
        const QString caption = QString::fromUtf16(a.caption);
        const QString window = a.window;
        auto *img = Icons::button(panel, a.img, a.icon, kAreaPicture, caption);
        m_areaPictures.append(img);
        auto *btn = new QPushButton(caption, panel);
        btn->setObjectName(QLatin1StringView(a.btn));
        btn->setProperty("area", true);
        btn->setCursor(Qt::PointingHandCursor);
        btn->setMinimumWidth(220);
        connect(img, &QToolButton::clicked, this, [this, window] { openArea(window); });
        connect(btn, &QPushButton::clicked, this, [this, window] { openArea(window); });
        auto *cell = new QVBoxLayout;
        cell->addWidget(img, 0, Qt::AlignHCenter);
        cell->addWidget(btn, 0, Qt::AlignHCenter);
        grid->addLayout(cell, i / 3, i % 3);
    }
    for (int r = 0; r < 2; ++r)
        grid->setRowStretch(r, 1);
    for (int c = 0; c < 3; ++c)
        grid->setColumnStretch(c, 1);

    auto *icoSito = new QPushButton(Maker::name() + QStringLiteral("  \u2022  ") + Maker::webSite(), panel);
    icoSito->setObjectName(QStringLiteral("icoSito"));
    icoSito->setFlat(true);
    icoSito->setCursor(Qt::PointingHandCursor);
    icoSito->setStyleSheet(Theme::css(u"color:@linkNavy;font:10pt @statusFace;text-decoration:underline;"));
    connect(icoSito, &QPushButton::clicked, this, &TfrmAvvio::icoSitoClick);

    auto *panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(36, 28, 36, 20);
    panelLayout->setSpacing(24);
    panelLayout->addLayout(head);
    panelLayout->addStretch(1);
    panelLayout->addLayout(grid);
    panelLayout->addStretch(1);
    panelLayout->addWidget(icoSito, 0, Qt::AlignHCenter);

    // The card fills the screen but for a frame of the page around it.
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(60, 36, 60, 36);
    outer->addWidget(panel);
}

// The pictures grow with the window, so a large screen is not left empty.
void TfrmAvvio::resizeEvent(QResizeEvent *event)
{
    AreaWindow::resizeEvent(event);
    const int side = int(kAreaPicture * std::clamp(height() / 740.0, 1.0, 1.8));
    for (QToolButton *picture : std::as_const(m_areaPictures))
        picture->setIconSize(QSize(side, side));
}

void TfrmAvvio::openArea(const QString &windowClass)
{
    AppWindows::show(windowClass);
    hide();
}

void TfrmAvvio::imgInfoClick()
{
    TfrmInfo info(this);
    Modal::exec(&info);
}

void TfrmAvvio::imgGuidaClick()
{
    Help::open(this);
}

void TfrmAvvio::imgCopyrightClick()
{
    TfrmSplash splash(this);
    Modal::exec(&splash);
}

void TfrmAvvio::imgBackupClick()
{
    BackupAction::run(this);
    BackupAction::showAge(lblUltimoBackup);
}

void TfrmAvvio::formShow()
{
    BackupAction::showAge(lblUltimoBackup);
    // Told once per run, after the menu is on screen: a backup on a
    // read-only medium can be consulted, not changed.
    if (m_toldReadOnly || DataFolder::isWritable())
        return;
    m_toldReadOnly = true;
    QTimer::singleShot(0, this, [this] {
        Messages::information(QStringLiteral("La cartella dei dati è in sola lettura: gli archivi possono essere "
                                             "consultati ma non modificati."),
                              this);
    });
}

void TfrmAvvio::imgEsciClick() { QApplication::quit(); }

void TfrmAvvio::icoSitoClick() { Shell::open(Maker::webSite()); }

void TfrmAvvio::formClose() { QApplication::quit(); }

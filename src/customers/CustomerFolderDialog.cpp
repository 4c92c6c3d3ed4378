#include "customers/CustomerFolderDialog.h"
#include "ui/WindowNames.h"
#include "ui/Controls.h"
#include "ui/Shell.h"
#include "ui/Theme.h"
#include "customers/DialogBanner.h"
#include "storage/AmountText.h"
#include "storage/DataFolder.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfrmCartella::TfrmCartella(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(WindowNames::of<TfrmCartella>());
    setWindowTitle(QStringLiteral(" Gestione cartella abbinata alla scheda corrente"));

    auto *instructions = new QLabel(
        QStringLiteral("Ogni cliente dispone di una cartella riservata in cui conservare un numero "
                       "illimitato di documenti: contratti, scansioni, fotografie, corrispondenza.\n\n"
                       "Premere Apri cartella per visualizzarla nella gestione file del sistema; alla "
                       "prima apertura la cartella viene creata automaticamente."),
        this);
    instructions->setWordWrap(true);
    instructions->setFont(Theme::font(Theme::Face::Body, 9));
    lblPercorso = new QLabel(this);
    lblPercorso->setObjectName(QStringLiteral("lblPercorso"));
    lblPercorso->setStyleSheet(Theme::css(
        u"background:@cardTint;border:1px solid @cardBorder;border-radius:4px;padding:4px 8px;color:@houseBlue;font-weight:bold;"));

    auto *btnApriCartella = new QPushButton(QStringLiteral("Apri cartella"), this);
    btnApriCartella->setObjectName(QStringLiteral("btnApriCartella"));
    auto *btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnApriCartella->setDefault(true);
    connect(btnApriCartella, &QPushButton::clicked, this, &TfrmCartella::btnApriCartellaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmCartella::btnChiudiClick);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnApriCartella);
    buttons->addWidget(btnChiudi);
    auto *body = new QVBoxLayout;
    body->setContentsMargins(16, 4, 16, 0);
    body->setSpacing(12);
    body->addWidget(instructions);
    body->addWidget(lblPercorso);
    body->addLayout(buttons);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 14);
    layout->setSpacing(10);
    layout->addWidget(DialogBanner::make(this, QStringLiteral("folder"),
                                         QStringLiteral("Cartella del cliente"),
                                         QStringLiteral("Documenti senza limiti di numero, abbinati alla scheda corrente.")));
    layout->addLayout(body);
    setFixedWidth(520);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Controls::addMemoryLabel(this);
}

QString TfrmCartella::folderOf(const QString &number)
{
    return DataFolder::path() + QStringLiteral("Cliente_") + number.trimmed();
}

void TfrmCartella::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    lblPercorso->setText(QStringLiteral("Cartella: ") + QDir::toNativeSeparators(folderOf(Controls::token(this))));
}

void TfrmCartella::btnApriCartellaClick()
{
    const QString number = Controls::token(this);
    // Only a card number names a folder; anything else would point elsewhere.
    if (number.isEmpty() || !AmountText::isDigitsOnly(number))
        return;
    const QString folder = folderOf(number);
    QDir().mkpath(folder);
    Shell::open(u'"' + folder + u'"');
    accept();
}

void TfrmCartella::btnChiudiClick() { reject(); }

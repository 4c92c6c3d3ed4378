#include "access/ReportingPage.h"
#include "ui/Looks.h"
#include "ui/WindowNames.h"
#include "access/Scrambler.h"
#include "ui/Constants.h"
#include "ui/Controls.h"
#include "ui/FieldBehaviour.h"
#include "ui/Help.h"
#include "ui/Icons.h"
#include "ui/LinkLabel.h"
#include "ui/Messages.h"
#include "ui/Shell.h"
#include "ui/Theme.h"
#include "storage/DataFolder.h"
#include "storage/IniFile.h"
#include "storage/Record.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QString kSection = QStringLiteral("Accesso");

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

QLineEdit *boldField(QWidget *parent, const QString &name)
{
    auto *f = new QLineEdit(parent);
    f->setObjectName(name);
    f->setFont(Theme::font(Theme::Face::Body, 14, QFont::Bold));
    f->installEventFilter(new TrimOnKeyRelease(f));
    return f;
}

QGroupBox *group(QWidget *parent, const QString &title, QWidget *content)
{
    auto *g = new QGroupBox(title, parent);
    auto *l = new QVBoxLayout(g);
    l->addWidget(content);
    return g;
}
} // namespace

TfrmSegnalazioni::TfrmSegnalazioni(QWidget *parent)
    : AreaWindow(WindowNames::of<TfrmSegnalazioni>(),
                 QStringLiteral(" Valtrena - Segnalazioni di operazioni sospette"),
                 Presentation::Maximised, parent)
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("panPagina"));
    Looks::set(page, Looks::Look::Card);
    page->setMaximumWidth(760);

    auto *title = new QLabel(QStringLiteral("Segnalazioni di operazioni sospette"), page);
    title->setFont(Theme::font(Theme::Face::Title, 20, QFont::Bold));
    Looks::set(title, Looks::Look::Title);
    auto *lblSpiega01 = new QLabel(QStringLiteral(
        "E' possibile annotare nei campi sottostanti il Nome Utente e la Password di accesso al "
        "portale INFOSTAT-UIF:"), page);
    lblSpiega01->setObjectName(QStringLiteral("lblSpiega01"));
    lblSpiega01->setWordWrap(true);
    lblSpiega01->setFont(Theme::font(Theme::Face::Body, 11));

    txtNomeUtente = boldField(page, QStringLiteral("txtNomeUtente"));
    txtPassword = boldField(page, QStringLiteral("txtPassword"));
    txtPassword->setEchoMode(QLineEdit::Password);

    auto *lnkPassword = new LinkLabel(QStringLiteral("lnkPassword"),
                                      QStringLiteral("Mostra / Nascondi Password"), page, 11);
    auto *cmdWeb = new QLabel(page);
    cmdWeb->setObjectName(QStringLiteral("cmdWeb"));
    cmdWeb->setPixmap(Icons::pixmap(QStringLiteral("web"), 32));
    auto *lnkWeb = new LinkLabel(QStringLiteral("lnkWeb"), Maker::portal(), page, 12);
    lnkWeb->addBuddy(cmdWeb);

    auto *btnApplica = new QPushButton(QStringLiteral("Applica e chiudi"), page);
    btnApplica->setObjectName(QStringLiteral("btnApplica"));
    auto *btnAnnulla = new QPushButton(QStringLiteral("Annulla"), page);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    auto *imgGuida = Icons::button(page, "imgGuida", "help", 32, QStringLiteral("Guida"));
    lblMemory = Controls::stateLabel(page, "lblMemory");

    auto *web = new QHBoxLayout;
    web->addWidget(cmdWeb);
    web->addWidget(lnkWeb);
    web->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(imgGuida);
    buttons->addStretch();
    buttons->addWidget(btnApplica);
    buttons->addWidget(btnAnnulla);

    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(32, 24, 32, 24);
    pageLayout->setSpacing(14);
    pageLayout->addWidget(title);
    pageLayout->addWidget(lblSpiega01);
    pageLayout->addWidget(group(page, QStringLiteral(" Nome Utente: "), txtNomeUtente));
    pageLayout->addWidget(group(page, QStringLiteral(" Password: "), txtPassword));
    pageLayout->addWidget(lnkPassword);
    pageLayout->addLayout(web);
    pageLayout->addStretch();
    pageLayout->addLayout(buttons);

    auto *outer = new QVBoxLayout(this);
    outer->addStretch();
    outer->addWidget(page, 0, Qt::AlignHCenter);
    outer->addStretch();

    connect(lnkPassword, &LinkLabel::clicked, this, &TfrmSegnalazioni::lnkPasswordClick);
    connect(lnkWeb, &LinkLabel::clicked, this, &TfrmSegnalazioni::lnkWebClick);
    connect(btnApplica, &QPushButton::clicked, this, &TfrmSegnalazioni::btnApplicaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmSegnalazioni::btnAnnullaClick);
    connect(imgGuida, &QToolButton::clicked, this, &TfrmSegnalazioni::imgGuidaClick);
}

void TfrmSegnalazioni::formShow()
{
    txtPassword->setEchoMode(QLineEdit::Password);
    try {
        const IniFile ini(DataFolder::file(FileNames::settings()));
        txtNomeUtente->setText(ini.value(kSection, QStringLiteral("Utente")));
        lblMemory->setText(ini.value(kSection, QStringLiteral("Valore")));
        txtPassword->setText(ShortText::trimmed(Scrambler::unscramble(lblMemory->text())));
    } catch (...) {
        // Whatever could not be read stays as it was.
    }
}

void TfrmSegnalazioni::lnkPasswordClick()
{
    txtPassword->setEchoMode(txtPassword->echoMode() == QLineEdit::Password ? QLineEdit::Normal
                                                                            : QLineEdit::Password);
}

void TfrmSegnalazioni::lnkWebClick() { Shell::open(Maker::portal()); }

void TfrmSegnalazioni::btnApplicaClick()
{
    // Stored exactly as typed, apart from codes 32 and below at either end,
    // or refused as the password change refuses it.
    const QString password = ShortText::trimmed(txtPassword->text());
    if (!Scrambler::canKeep(password)) {
        Messages::warning(Scrambler::cannotKeepWarning(), this);
        txtPassword->setFocus();
        return;
    }
    try {
        lblMemory->setText(Scrambler::scramble(password));
        IniFile ini(DataFolder::file(FileNames::settings()));
        ini.setValue(kSection, QStringLiteral("Utente"), txtNomeUtente->text().trimmed());
        ini.setValue(kSection, QStringLiteral("Valore"), lblMemory->text().trimmed());
        ini.save();
    } catch (...) {
        return;
    }
    close();
}

void TfrmSegnalazioni::btnAnnullaClick() { close(); }

void TfrmSegnalazioni::imgGuidaClick()
{
    Help::open(this);
}

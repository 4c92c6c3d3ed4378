#include "access/PasswordWindows.h"
#include "ui/WindowNames.h"
#include "access/PasswordFile.h"
#include "access/Scrambler.h"
#include "ui/AppWindows.h"
#include "ui/Controls.h"
#include "ui/FieldBehaviour.h"
#include "ui/Icons.h"
#include "ui/Messages.h"
#include "ui/Theme.h"
#include "storage/Record.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit *passwordField(QWidget *parent, const QString &name)
{
    auto *f = new QLineEdit(parent);
    f->setObjectName(name);
    f->setEchoMode(QLineEdit::Password);
    f->setFont(Theme::font(Theme::Face::Body, 14, QFont::Bold));
    f->setMinimumWidth(300);
    return f;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &text)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setMinimumWidth(110);
    return b;
}

QLabel *label(QWidget *parent, const QString &name, const QString &text)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

// A blue heading band with the lock picture, shared by the two windows.
QWidget *heading(QWidget *parent, const QString &text)
{
    auto *band = new QWidget(parent);
    band->setObjectName(QStringLiteral("panTitolo"));
    band->setAutoFillBackground(true);
    band->setStyleSheet(Theme::css(
        u"#panTitolo{background:qlineargradient(x1:0,y1:0,x2:0,y2:1,stop:0 @pageTop,stop:1 @buttonBottom);}"
        "#panTitolo QLabel{color:@textOnColour;}"));
    auto *icon = new QLabel(band);
    icon->setPixmap(Icons::pixmap(QStringLiteral("lock"), 40));
    auto *title = new QLabel(text, band);
    title->setFont(Theme::font(Theme::Face::Title, 15, QFont::Bold));
    auto *row = new QHBoxLayout(band);
    row->setContentsMargins(16, 10, 16, 10);
    row->addWidget(icon);
    row->addWidget(title, 1);
    return band;
}

bool isEnter(QEvent *e)
{
    if (e->type() != QEvent::KeyPress)
        return false;
    const int k = static_cast<QKeyEvent *>(e)->key();
    return k == Qt::Key_Return || k == Qt::Key_Enter;
}

} // namespace

TfrmPassword::TfrmPassword(QWidget *parent)
    : AreaWindow(WindowNames::of<TfrmPassword>(), QStringLiteral(" Valtrena - Autenticazione"),
                 Presentation::Fixed, parent)
{
    txtPassword = passwordField(this, QStringLiteral("txtPassword"));
    cmdOK = button(this, QStringLiteral("cmdOK"), QStringLiteral("OK"));
    cmdOK->setEnabled(false);
    auto *btnCambia = button(this, QStringLiteral("btnCambiaPassword"), QStringLiteral("Cambia password"));
    auto *cmdEsci = button(this, QStringLiteral("cmdEsci"), QStringLiteral("Esci"));
    lblMemory = label(this, QStringLiteral("lblMemory"), {});
    lblMemory->hide();

    auto *body = new QVBoxLayout;
    body->setContentsMargins(24, 18, 24, 18);
    body->setSpacing(12);
    body->addWidget(label(this, QStringLiteral("lblRigo05"), QStringLiteral("Immetti la password e premi OK.")));
    body->addWidget(txtPassword);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnCambia);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdEsci);
    body->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(heading(this, QStringLiteral("Accesso a Valtrena")));
    layout->addLayout(body);
    setFixedSize(sizeHint().expandedTo(QSize(460, 0)));

    FieldBehaviour::highlightWithRectangle(txtPassword);
    txtPassword->installEventFilter(this);
    connect(txtPassword, &QLineEdit::textChanged, this, &TfrmPassword::txtPasswordChange);
    connect(cmdOK, &QPushButton::clicked, this, &TfrmPassword::cmdOKClick);
    connect(btnCambia, &QPushButton::clicked, this, &TfrmPassword::btnCambiaPasswordClick);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmPassword::cmdEsciClick);
}

void TfrmPassword::formShow() { txtPassword->setFocus(); }

void TfrmPassword::formClose() { QApplication::quit(); }

void TfrmPassword::txtPasswordChange()
{
    cmdOK->setEnabled(!ShortText::trimmed(txtPassword->text()).isEmpty());
}

bool TfrmPassword::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtPassword && isEnter(event)) {
        if (!ShortText::trimmed(txtPassword->text()).isEmpty())
            cmdOKClick();
        return true;
    }
    return AreaWindow::eventFilter(watched, event);
}

void TfrmPassword::cmdOKClick()
{
    try {
        lblMemory->setText(PasswordFile::stored());
    } catch (...) {
        Messages::warning(QStringLiteral(
            "Attenzione: si è verificato un errore durante la procedura di lettura della password. "
            "Si consiglia di reinstallare il software."));
        return;
    }
    if (PasswordFile::normalise(txtPassword->text()) == lblMemory->text()) {
        AppWindows::show(AppWindows::mainMenu());
        hide();
        return;
    }
    Messages::warning(QStringLiteral("Attenzione: password errata."));
    txtPassword->clear();
    txtPassword->setFocus();
}

void TfrmPassword::btnCambiaPasswordClick()
{
    AppWindows::show(WindowNames::of<TfrmCambiaPassword>());
    hide();
}

void TfrmPassword::cmdEsciClick() { close(); }

TfrmCambiaPassword::TfrmCambiaPassword(QWidget *parent)
    : AreaWindow(WindowNames::of<TfrmCambiaPassword>(), QStringLiteral(" Cambia password"),
                 Presentation::Fixed, parent)
{
    txtPasswordOld = passwordField(this, QStringLiteral("txtPasswordOld"));
    txtPasswordNew = passwordField(this, QStringLiteral("txtPasswordNew"));
    txtConferma = passwordField(this, QStringLiteral("txtConferma"));
    cmdOK = button(this, QStringLiteral("cmdOK"), QStringLiteral("OK"));
    cmdOK->setEnabled(false);
    auto *cmdEsci = button(this, QStringLiteral("cmdEsci"), QStringLiteral("Chiudi"));
    lblMemory = label(this, QStringLiteral("lblMemory"), {});
    lblMemory->hide();

    auto *grid = new QGridLayout;
    grid->setContentsMargins(24, 18, 24, 6);
    grid->setVerticalSpacing(12);
    grid->addWidget(label(this, QStringLiteral("lblRigo05"), QStringLiteral("Vecchia password:")), 0, 0);
    grid->addWidget(txtPasswordOld, 0, 1);
    grid->addWidget(label(this, QStringLiteral("lblRigo06"), QStringLiteral("Nuova password:")), 1, 0);
    grid->addWidget(txtPasswordNew, 1, 1);
    grid->addWidget(label(this, QStringLiteral("lblRigo07"), QStringLiteral("Conferma nuova password:")), 2, 0);
    grid->addWidget(txtConferma, 2, 1);
    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(24, 6, 24, 18);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdEsci);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(heading(this, QStringLiteral("Cambia la password di accesso")));
    layout->addLayout(grid);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());

    for (QLineEdit *f : {txtPasswordOld, txtPasswordNew, txtConferma}) {
        FieldBehaviour::highlightWithRectangle(f);
        connect(f, &QLineEdit::textChanged, this, &TfrmCambiaPassword::fieldsChange);
    }
    FieldBehaviour::enterChain(this, {{QStringLiteral("txtPasswordOld"), QStringLiteral("txtPasswordNew")},
                                      {QStringLiteral("txtPasswordNew"), QStringLiteral("txtConferma")},
                                      {QStringLiteral("txtConferma"), QStringLiteral("txtPasswordOld")}});
    connect(cmdOK, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdEsciClick);
}

void TfrmCambiaPassword::formShow()
{
    txtPasswordOld->clear();
    txtPasswordNew->clear();
    txtConferma->clear();
    lblMemory->clear();
    txtPasswordOld->setFocus();
}

void TfrmCambiaPassword::formClose()
{
    QWidget *login = AppWindows::get(WindowNames::of<TfrmPassword>());
    if (!login)
        return;
    Controls::setText(login, QStringLiteral("txtPassword"), {});
    Controls::setText(login, QStringLiteral("lblMemory"), {});
    AppWindows::show(WindowNames::of<TfrmPassword>());
    if (QWidget *field = Controls::child(login, QStringLiteral("txtPassword")))
        field->setFocus();
}

void TfrmCambiaPassword::fieldsChange()
{
    cmdOK->setEnabled(!ShortText::trimmed(txtPasswordOld->text()).isEmpty()
                      && !ShortText::trimmed(txtPasswordNew->text()).isEmpty()
                      && !ShortText::trimmed(txtConferma->text()).isEmpty());
}

void TfrmCambiaPassword::cmdOKClick()
{
    const QString failure = QStringLiteral(
        "Attenzione: si è verificato un errore durante la procedura di modifica della password. "
        "Si consiglia di reinstallare il software.");
    try {
        lblMemory->setText(PasswordFile::stored());
    } catch (...) {
        Messages::warning(failure);
        return;
    }
    if (PasswordFile::normalise(txtPasswordOld->text()) != lblMemory->text()) {
        Messages::warning(QStringLiteral("Attenzione: vecchia password errata."));
        txtPasswordOld->clear();
        txtPasswordOld->setFocus();
        return;
    }
    if (ShortText::trimmed(txtPasswordNew->text()) != ShortText::trimmed(txtConferma->text())) {
        Messages::warning(QStringLiteral(
            "Attenzione: la nuova password non è stata confermata correttamente. "
            "E' necessario reinserire entrambi i valori."));
        txtPasswordNew->clear();
        txtConferma->clear();
        txtPasswordNew->setFocus();
        return;
    }
    const QString fresh = PasswordFile::normalise(txtPasswordNew->text());
    if (!Scrambler::canKeep(fresh)) {
        Messages::warning(Scrambler::cannotKeepWarning());
        txtPasswordNew->clear();
        txtConferma->clear();
        txtPasswordNew->setFocus();
        return;
    }
    try {
        PasswordFile::store(fresh);
    } catch (...) {
        Messages::warning(failure);
        return;
    }
    Messages::information(QStringLiteral("Modifica della password completata con successo."));
    close();
}

void TfrmCambiaPassword::cmdEsciClick() { close(); }

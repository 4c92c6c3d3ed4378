#include "app/MakerWindows.h"
#include "ui/Looks.h"
#include "ui/WindowNames.h"
#include "ui/Constants.h"
#include "ui/Icons.h"
#include "ui/LinkLabel.h"
#include "ui/Shell.h"
#include "ui/Theme.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Picture, headline, a link with its icon and "Chiudi": the shape both windows share.
void build(QDialog *d, const QString &picture, const QString &headline, const QString &body,
           const QString &linkText, const QString &linkIcon, const char *iconName)
{
    d->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                      | Qt::WindowCloseButtonHint);
    d->setStyleSheet(Theme::css(u"QDialog{background:@paper;}"));
    auto *pic = new QLabel(d);
    pic->setPixmap(Icons::pixmap(picture, 96));
    auto *title = new QLabel(headline, d);
    title->setFont(Theme::font(Theme::Face::Title, 20, QFont::Bold));
    Looks::set(title, Looks::Look::Title);
    auto *text = new QLabel(body, d);
    text->setWordWrap(true);
    text->setFont(Theme::font(Theme::Face::Body, 10));
    auto *icon = new QLabel(d);
    icon->setObjectName(QLatin1StringView(iconName));
    icon->setPixmap(Icons::pixmap(linkIcon, 28));
    auto *link = new LinkLabel(QStringLiteral("lnkWeb"), linkText, d);
    link->addBuddy(icon);
    auto *close = new QPushButton(QStringLiteral("Chiudi"), d);
    close->setObjectName(QStringLiteral("btnChiudi"));
    QObject::connect(close, &QPushButton::clicked, d, &QDialog::accept);

    auto *words = new QVBoxLayout;
    words->addWidget(title);
    words->addWidget(text);
    auto *top = new QHBoxLayout;
    top->addWidget(pic, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(words, 1);
    auto *linkRow = new QHBoxLayout;
    linkRow->addWidget(icon);
    linkRow->addWidget(link);
    linkRow->addStretch();
    auto *layout = new QVBoxLayout(d);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(16);
    layout->addLayout(top);
    layout->addLayout(linkRow);
    layout->addWidget(close, 0, Qt::AlignRight);
    // The wrapped text decides the height at the width the window gets, so
    // nothing is cut whatever the fonts and the screen make of the text.
    layout->activate();
    const int width = qMax(520, layout->minimumSize().width());
    d->setFixedSize(width, layout->totalHeightForWidth(width));
}

} // namespace

TfrmInfo::TfrmInfo(QWidget *parent) : QDialog(parent)
{
    setObjectName(WindowNames::of<TfrmInfo>());
    setWindowTitle(QStringLiteral(" Informazioni su Valtrena"));
    build(this, QStringLiteral("product"), QStringLiteral("Valtrena ")
              + QCoreApplication::applicationVersion(),
          QStringLiteral("Registro delle operazioni, anagrafica clienti, ricevute, riepiloghi e "
                         "controlli dei codici per chi compra e vende oro e oggetti preziosi.\n\n"
                         "Per informazioni e assistenza scrivere a:"),
          Maker::email(), QStringLiteral("email"), "imgEmail");
    connect(findChild<LinkLabel *>(QStringLiteral("lnkWeb")), &LinkLabel::clicked, this,
            &TfrmInfo::lnkWebClick);
}

QString TfrmInfo::mailCommand()
{
    return u"\"mailto:" + Maker::email() + QStringLiteral("?subject=") + QStringLiteral("Software Valtrena")
        + QStringLiteral("&body=")
        + QStringLiteral("Salve, desidererei avere le seguenti informazioni sul software in oggetto:")
        + u'"';
}

void TfrmInfo::lnkWebClick() { Shell::open(mailCommand()); }

TfrmSplash::TfrmSplash(QWidget *parent) : QDialog(parent)
{
    setObjectName(WindowNames::of<TfrmSplash>());
    setWindowTitle(QStringLiteral(" Valtrena - ") + Maker::name());
    build(this, QStringLiteral("maker"), Maker::name(),
          QStringLiteral("Software gestionale per il commercio di oro e oggetti preziosi.\n\n"
                         "Visitate il nostro sito per aggiornamenti, guide e assistenza:"),
          Maker::webSite(), QStringLiteral("web"), "imgWeb");
    connect(findChild<LinkLabel *>(QStringLiteral("lnkWeb")), &LinkLabel::clicked, this,
            &TfrmSplash::lnkWebClick);
}

void TfrmSplash::lnkWebClick() { Shell::open(Maker::webSite()); }

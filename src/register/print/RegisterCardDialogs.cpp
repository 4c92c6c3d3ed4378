#include "register/print/RegisterCardDialogs.h"
#include "ui/WindowNames.h"
#include "ui/AppWindows.h"
#include "report/Pictures.h"
#include "report/ui/ReportDialogs.h"
#include "storage/Clock.h"
#include "storage/DataFolder.h"

#include <QImageReader>
#include <QLabel>

using Report::Pictures::Illustration;

RegisterCardDialog::RegisterCardDialog(QWidget *parent, const QString &caption,
                                       Illustration illustration, const QString &actionCaption,
                                       const QString &explanation, CardTemplate::Variant variant)
    : OutputDialog(parent, caption, illustration, actionCaption, explanation), m_variant(variant)
{
    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->hide();
    imgTemp = new QLabel(this);
    imgTemp->setObjectName(QStringLiteral("imgTemp"));
    imgTemp->setPixmap(QPixmap::fromImage(Report::Pictures::defaultLogo()));
    imgTemp->hide();
    // The dialog is made fresh for every use, so this is its showing.
    loadLogo();
}

void RegisterCardDialog::loadLogo()
{
    // A missing or unreadable logo quietly gives way to the built-in one.
    m_logo = QImageReader(DataFolder::file(FileNames::logo())).read();
    if (m_logo.isNull())
        m_logo = imgTemp->pixmap().toImage();
    imgLogo->setPixmap(QPixmap::fromImage(m_logo));
}

Report::PageTemplate RegisterCardDialog::preparedPage() const
{
    Report::PageTemplate page = CardTemplate::make(m_variant);
    CardTemplate::fill(page, AppWindows::get(WindowNames::registro), m_logo, Clock::now());
    return page;
}

TfrmStampaReg::TfrmStampaReg(QWidget *parent)
    : RegisterCardDialog(parent, QStringLiteral(" Stampa scheda"), Illustration::Printer,
                         QStringLiteral("Stampa"),
                         QStringLiteral("Stampa la scheda operazione mostrata nel registro, "
                                        "da far firmare all'operatore e al cliente."),
                         CardTemplate::Variant::Print)
{
    setObjectName(WindowNames::of<TfrmStampaReg>());
}

void TfrmStampaReg::btnStampaClick()
{
    ReportDialogs::print(preparedPage(), this);
    accept();
}

TfrmAnteprimaReg::TfrmAnteprimaReg(QWidget *parent)
    : RegisterCardDialog(parent, QStringLiteral(" Anteprima di stampa"), Illustration::Preview,
                         QStringLiteral("Mostra anteprima"),
                         QStringLiteral("Mostra a video la scheda operazione così come verrà stampata."),
                         CardTemplate::Variant::Preview)
{
    setObjectName(WindowNames::of<TfrmAnteprimaReg>());
}

void TfrmAnteprimaReg::btnStampaClick()
{
    ReportDialogs::preview(preparedPage(), this);
    accept();
}

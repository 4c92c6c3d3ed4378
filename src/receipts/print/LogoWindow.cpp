#include "receipts/print/LogoWindow.h"
#include "ui/WindowNames.h"
#include "ui/Icons.h"
#include "ui/Messages.h"
#include "ui/Modal.h"
#include "ui/Theme.h"
#include "report/Pictures.h"
#include "storage/DataFolder.h"

#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QSize kShownSize(420, 260);

QImage blankLogo()
{
    QImage blank = Report::Pictures::defaultLogo();
    blank.fill(Theme::colour(Theme::Colour::Paper));
    return blank;
}
} // namespace

TfrmLogo::TfrmLogo(QWidget *parent) : QDialog(parent)
{
    setObjectName(WindowNames::of<TfrmLogo>());
    setWindowTitle(QStringLiteral(" Impostazione Logo Ditta"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setFixedSize(kShownSize + QSize(12, 12));
    imgLogo->setAlignment(Qt::AlignCenter);
    imgLogo->setStyleSheet(Theme::css(u"QLabel { background: @paper; border: 1px solid @frameGrey; }"));

    auto *hint = new QLabel(QStringLiteral("Il logo viene stampato sulle ricevute e sulle schede del "
                                           "registro. Scegliere un'immagine JPEG o Bitmap."),
                            this);
    hint->setWordWrap(true);

    btnSfoglia = new QPushButton(QStringLiteral("Sfoglia..."), this);
    btnSfoglia->setObjectName(QStringLiteral("btnSfoglia"));
    btnCancLogo = Icons::button(this, QStringLiteral("btnCancLogo"), Icons::icon(QStringLiteral("delete")), 28,
                                QStringLiteral("Nessun logo: le ricevute vengono stampate senza logo."));
    imgEuro = Icons::button(this, QStringLiteral("imgEuro"),
                            QIcon(QPixmap::fromImage(Report::Pictures::euroSign(56))), 28,
                            QStringLiteral("Ripristina il logo predefinito."));
    btnApplica = new QPushButton(QStringLiteral("Applica e chiudi"), this);
    btnApplica->setObjectName(QStringLiteral("btnApplica"));
    btnApplica->setDefault(true);
    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));

    connect(btnSfoglia, &QPushButton::clicked, this, &TfrmLogo::btnSfogliaClick);
    connect(btnCancLogo, &QToolButton::clicked, this, &TfrmLogo::btnCancLogoClick);
    connect(imgEuro, &QToolButton::clicked, this, &TfrmLogo::imgEuroClick);
    connect(btnApplica, &QPushButton::clicked, this, &TfrmLogo::btnApplicaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnSfoglia);
    buttons->addWidget(btnCancLogo);
    buttons->addWidget(imgEuro);
    buttons->addStretch();
    buttons->addWidget(btnApplica);
    buttons->addWidget(btnAnnulla);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 14);
    layout->setSpacing(10);
    layout->addWidget(hint);
    layout->addWidget(imgLogo, 0, Qt::AlignHCenter);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Made fresh for every use, so this is its showing.
    showLogo(Report::Pictures::companyLogo());
}

void TfrmLogo::showLogo(const QImage &logo)
{
    m_logo = logo;
    imgLogo->setPixmap(QPixmap::fromImage(
        logo.size().boundedTo(kShownSize) == logo.size()
            ? logo
            : logo.scaled(kShownSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void TfrmLogo::btnSfogliaClick()
{
    const QString path = Modal::chooseFile(
        this, {Modal::FileKind::Open, QStringLiteral("Selezionare il logo della Ditta in formato Jpeg o Bitmap."),
               DataFolder::path(),
               QStringLiteral("Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)")});
    if (path.isEmpty())
        return;
    const QImage chosen = QImageReader(path).read();
    showLogo(chosen.isNull() ? Report::Pictures::defaultLogo() : chosen);
}

void TfrmLogo::btnCancLogoClick() { showLogo(blankLogo()); }

void TfrmLogo::imgEuroClick() { showLogo(Report::Pictures::defaultLogo()); }

void TfrmLogo::btnApplicaClick()
{
    // Written whole or not at all; a failure is said, not hidden.
    QSaveFile file(DataFolder::file(FileNames::logo()));
    if (!file.open(QIODevice::WriteOnly) || !m_logo.save(&file, "BMP") || !file.commit()) {
        Messages::error(QStringLiteral("Attenzione: non è stato possibile salvare il logo nel file ")
                            + DataFolder::file(FileNames::logo())
                            + QStringLiteral(".\r\n\r\nVerificare che la cartella del programma sia "
                                             "accessibile in scrittura."),
                        this);
        return;
    }
    accept();
}

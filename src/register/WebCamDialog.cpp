#include "register/WebCamDialog.h"
#include "ui/Looks.h"
#include "ui/WindowNames.h"
#include "ui/AppWindows.h"
#include "ui/Controls.h"
#include "ui/Icons.h"
#include "ui/Theme.h"
#include "register/CameraSource.h"
#include "register/PhotoActions.h"
#include "register/PhotoFrame.h"
#include "register/Placeholder.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr QSize kViewSize(366, 274);

// Caller token -> the register window's frame that receives the photo.
struct Target
{
    const char *token;
    const char *frame;
};
constexpr Target kTargets[] = {
    {"foto01", "imgFoto"},
    {"foto02", "imgFoto02"},
};

QPushButton *button(QWidget *parent, const char *name, const char *icon, const QString &text)
{
    auto *b = new QPushButton(Icons::icon(QLatin1StringView(icon)), text, parent);
    b->setObjectName(QLatin1StringView(name));
    b->setIconSize(QSize(20, 20));
    b->setMinimumHeight(34);
    return b;
}

QLabel *caption(QWidget *parent, const QString &text)
{
    auto *l = new QLabel(text, parent);
    l->setFont(Theme::font(Theme::Face::Body, 10, QFont::Bold));
    Looks::set(l, Looks::Look::Title);
    return l;
}
} // namespace

TfrmWebCam::TfrmWebCam(QWidget *parent) : QDialog(parent)
{
    setObjectName(WindowNames::of<TfrmWebCam>());
    setWindowTitle(QStringLiteral(" Cattura foto con webcam"));
    // No window buttons: the dialog is left only through its own buttons.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                   | Qt::WindowTitleHint);

    camCamera = CameraSource::create(this);
    camCamera->setObjectName(QStringLiteral("camCamera"));
    imgCamera = new PhotoFrame(QStringLiteral("imgCamera"), this);
    imgCamera->setFixedSize(kViewSize);
    imgCamera->setEmptyText(QStringLiteral("Webcam spenta.\nPremere \"Accendi webcam\" per avviarla."));
    imgTarget = new PhotoFrame(QStringLiteral("imgTarget"), this);
    imgTarget->setFixedSize(kViewSize);
    imgTarget->setPicture(Placeholder::ringPhoto());
    imgBianco = new PhotoFrame(QStringLiteral("imgBianco"), this);
    imgBianco->setPicture(Placeholder::ringPhoto());
    imgBianco->hide();
    Controls::addMemoryLabel(this);

    auto *btnAccendi = button(this, "btnAccendi", "camera", QStringLiteral("Accendi webcam"));
    auto *btnSpegni = button(this, "btnSpegni", "exit", QStringLiteral("Spegni webcam"));
    auto *btnCattura = button(this, "btnCattura", "camera", QStringLiteral("Cattura foto"));
    auto *btnSalvaFotogramma = button(this, "btnSalvaFotogramma", "save",
                                      QStringLiteral("Salva foto su disco"));
    auto *btnImportaFoto = button(this, "btnImportaFoto", "import",
                                  QStringLiteral("Importa foto in scheda"));
    auto *btnClose = button(this, "btnClose", "delete", QStringLiteral("Annulla"));
    btnImportaFoto->setDefault(true);

    auto *views = new QGridLayout;
    views->setHorizontalSpacing(16);
    views->addWidget(caption(this, QStringLiteral("Immagine dalla webcam")), 0, 0);
    views->addWidget(caption(this, QStringLiteral("Foto catturata")), 0, 1);
    views->addWidget(imgCamera, 1, 0);
    views->addWidget(imgTarget, 1, 1);
    auto *cameraButtons = new QHBoxLayout;
    cameraButtons->setSpacing(6);
    cameraButtons->addWidget(btnAccendi);
    cameraButtons->addWidget(btnSpegni);
    cameraButtons->addWidget(btnCattura);
    views->addLayout(cameraButtons, 2, 0);
    auto *photoButtons = new QHBoxLayout;
    photoButtons->setSpacing(6);
    photoButtons->addWidget(btnSalvaFotogramma);
    photoButtons->addWidget(btnImportaFoto);
    views->addLayout(photoButtons, 2, 1);

    auto *closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(btnClose);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(12);
    layout->addLayout(views);
    layout->addLayout(closeRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(camCamera, &CameraSource::frameReady, imgCamera, &PhotoFrame::setPicture);
    connect(btnAccendi, &QPushButton::clicked, this, &TfrmWebCam::btnAccendiClick);
    connect(btnSpegni, &QPushButton::clicked, this, &TfrmWebCam::btnSpegniClick);
    connect(btnCattura, &QPushButton::clicked, this, &TfrmWebCam::btnCatturaClick);
    connect(btnSalvaFotogramma, &QPushButton::clicked, this, &TfrmWebCam::btnSalvaFotogrammaClick);
    connect(btnImportaFoto, &QPushButton::clicked, this, &TfrmWebCam::btnImportaFotoClick);
    connect(btnClose, &QPushButton::clicked, this, &TfrmWebCam::btnCloseClick);
}

TfrmWebCam::~TfrmWebCam() { camCamera->stop(); }

void TfrmWebCam::btnAccendiClick() { camCamera->start(); }

void TfrmWebCam::btnSpegniClick() { camCamera->stop(); }

void TfrmWebCam::btnCatturaClick()
{
    // An empty live view (no camera, or not yet on) has nothing to capture.
    if (!imgCamera->picture().isNull())
        imgTarget->setPicture(imgCamera->picture());
}

void TfrmWebCam::btnSalvaFotogrammaClick() { PhotoActions::saveToChosenFile(this, {imgTarget->picture(), {}}); }

void TfrmWebCam::btnImportaFotoClick()
{
    camCamera->stop();
    const QString token = Controls::token(this);
    QWidget *registerWindow = AppWindows::get(WindowNames::registro);
    for (const Target &t : kTargets) {
        if (token == QLatin1StringView(t.token)) {
            if (auto *frame = registerWindow ? registerWindow->findChild<PhotoFrame *>(
                                  QLatin1StringView(t.frame)) : nullptr)
                frame->setPicture(imgTarget->picture());
        }
    }
    accept();
}

void TfrmWebCam::btnCloseClick() { reject(); }

void TfrmWebCam::reject()
{
    camCamera->stop();
    QDialog::reject();
}

// The register window's two photo frames: their buttons, the card's photo
// files, the camera and the full-screen viewer.
#include "register/RegisterWindow.h"
#include "ui/Looks.h"
#include "ui/Controls.h"
#include "ui/FieldBehaviour.h"
#include "ui/Icons.h"
#include "ui/Messages.h"
#include "ui/Modal.h"
#include "ui/Theme.h"
#include "register/PhotoActions.h"
#include "register/PhotoFiles.h"
#include "register/PhotoFrame.h"
#include "register/Placeholder.h"
#include "register/WebCamDialog.h"

#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

struct PhotoButton
{
    const char *name;  // photo A's button; photo B's adds "02"
    const char *icon;
    QString hint;
    void (TfrmRegistro::*slotA)();
    void (TfrmRegistro::*slotB)();
};

const QList<PhotoButton> &photoButtons()
{
    using T = TfrmRegistro;
    static const QList<PhotoButton> buttons = {
        {"btnCaricaFoto", "folder", QStringLiteral("Carica una foto esistente."), &T::btnCaricaFotoClick, &T::btnCaricaFoto02Click},
        {"btnAcquisisciFoto", "camera", QStringLiteral("Acquisisci la foto da WebCam."), &T::btnAcquisisciFotoClick, &T::btnAcquisisciFoto02Click},
        {"btnSalvaFoto", "save", QStringLiteral("Salva la foto su disco."), &T::btnSalvaFotoClick, &T::btnSalvaFoto02Click},
        {"btnCancFoto", "delete", QStringLiteral("Cancella la foto."), &T::btnCancFotoClick, &T::btnCancFoto02Click},
        {"btnZoomFoto", "preview", QStringLiteral("Visualizza la foto nelle sue dimensioni reali."), &T::btnZoomFotoClick, &T::btnZoomFoto02Click},
    };
    return buttons;
}

// The round marker beside each frame: "A" or "B".
QPixmap sideMarker(QChar side)
{
    QPixmap pm(26, 26);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Theme::colour(Theme::Colour::RegisterGold));
    p.drawEllipse(QRectF(1, 1, 24, 24));
    QFont f = Theme::font(Theme::Face::Body);
    f.setBold(true);
    f.setPixelSize(14);
    p.setFont(f);
    p.setPen(Theme::colour(Theme::Colour::TextOnColour));
    p.drawText(QRectF(0, 0, 26, 26), Qt::AlignCenter, QString(side));
    return pm;
}

QString cardPhotosNotWrittenText()
{
    return QStringLiteral(
        "Attenzione: la scheda è stata salvata in archivio, ma non è stato possibile scrivere "
        "le foto dell'oggetto prezioso.\n\r\n\rAccertarsi di possedere i privilegi di scrittura "
        "nella cartella di installazione del programma e salvare di nuovo la scheda.");
}

} // namespace

QWidget *TfrmRegistro::buildPhotoPanel()
{
    imgFoto = new PhotoFrame(QStringLiteral("imgFoto"));
    imgFoto02 = new PhotoFrame(QStringLiteral("imgFoto02"));
    imgBianco = new PhotoFrame(QStringLiteral("imgBianco"), this);
    imgBianco02 = new PhotoFrame(QStringLiteral("imgBianco02"), this);
    for (PhotoFrame *blank : {imgBianco, imgBianco02}) {
        blank->setPicture(Placeholder::ringPhoto());
        blank->hide();
    }

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panFoto"));
    Looks::set(panel, Looks::Look::Card);
    auto *title = new QLabel(QStringLiteral("Foto dell'oggetto prezioso"), panel);
    title->setObjectName(QStringLiteral("lblSezione"));
    Looks::set(title, Looks::Look::Heading);
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(12, 6, 12, 12);
    layout->setSpacing(8);
    layout->addWidget(title);
    layout->addWidget(buildPhotoSide(u'A', imgFoto));
    layout->addWidget(buildPhotoSide(u'B', imgFoto02));
    layout->addStretch();
    return panel;
}

QWidget *TfrmRegistro::buildPhotoSide(QChar side, PhotoFrame *frame)
{
    const bool isA = side == u'A';
    auto *box = new QWidget;
    frame->setParent(box);
    frame->setPicture(Placeholder::ringPhoto());
    frame->setCursor(Qt::PointingHandCursor);
    frame->setToolTip(QStringLiteral("Fare clic per vedere la foto a schermo intero"));
    connect(frame, &PhotoFrame::clicked, this, isA ? &TfrmRegistro::btnZoomFotoClick
                                                   : &TfrmRegistro::btnZoomFoto02Click);

    auto *marker = new QLabel(box);
    marker->setObjectName(isA ? QStringLiteral("icoA") : QStringLiteral("icoB"));
    marker->setPixmap(sideMarker(side));
    marker->setToolTip(QStringLiteral("Foto ") + side);

    auto *column = new QVBoxLayout;
    column->setSpacing(4);
    column->addWidget(marker, 0, Qt::AlignHCenter);
    column->addSpacing(4);
    for (const PhotoButton &def : photoButtons()) {
        const QString name = QLatin1StringView(def.name) + (isA ? QString() : QStringLiteral("02"));
        QToolButton *b = Icons::button(box, name, Icons::icon(QLatin1StringView(def.icon)), 26, def.hint);
        FieldBehaviour::setHint(b, def.hint);
        connect(b, &QToolButton::clicked, this, isA ? def.slotA : def.slotB);
        column->addWidget(b);
    }
    column->addStretch();

    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    row->addWidget(frame);
    row->addLayout(column);
    return box;
}

void TfrmRegistro::fitPhotoFrames()
{
    // 370 x 260 at least; on a larger screen the photos grow with the window,
    // keeping their proportions and leaving the card two thirds of the width.
    const int byHeight = (height() - 170) / 2;
    const int byWidth = (width() / 3 - 60) * Placeholder::kHeight / Placeholder::kWidth;
    const int frameHeight = qMax(Placeholder::kHeight, qMin(byHeight, byWidth));
    const QSize size(frameHeight * Placeholder::kWidth / Placeholder::kHeight, frameHeight);
    for (PhotoFrame *frame : {imgFoto, imgFoto02})
        frame->setFixedSize(size);
}

QImage TfrmRegistro::photo(int which) const
{
    return (which == 0 ? imgFoto : imgFoto02)->picture();
}

void TfrmRegistro::resetPhotos()
{
    imgFoto->setPicture(imgBianco->picture());
    imgFoto02->setPicture(imgBianco02->picture());
    m_photoUnreadable = {false, false};
}

void TfrmRegistro::showCardPhotos(int position)
{
    // Each photo on its own: a missing or unreadable file costs only its frame.
    QStringList unreadable;
    for (int i = 0; i < 2; ++i) {
        const QChar side = i == 0 ? u'A' : u'B';
        const PhotoFiles::CardPhoto photo = PhotoFiles::loadCard(side, position);
        PhotoFrame *frame = i == 0 ? imgFoto : imgFoto02;
        if (photo.status == PhotoFiles::Status::Read)
            frame->setFilePicture(photo.picture);
        else
            frame->setPicture((i == 0 ? imgBianco : imgBianco02)->picture());
        frame->setUnchanged();
        m_photoUnreadable[size_t(i)] = photo.status == PhotoFiles::Status::Unreadable;
        if (m_photoUnreadable[size_t(i)])
            unreadable.append(QFileInfo(PhotoFiles::cardFile(side, position)).fileName());
    }
    if (unreadable.size() == 1)
        panInfo->setText(QStringLiteral("Impossibile leggere la foto ") + unreadable[0] + u'.');
    else if (unreadable.size() == 2)
        panInfo->setText(QStringLiteral("Impossibile leggere le foto ") + unreadable.join(QStringLiteral(" e "))
                         + u'.');
}

bool TfrmRegistro::writeCardPhotos(bool newCard)
{
    const int position = lblPosizione->text().trimmed().toInt();
    bool written = true;
    for (int i = 0; i < 2; ++i) {
        PhotoFrame *frame = i == 0 ? imgFoto : imgFoto02;
        // A stored card keeps the files of the photos left as they were, and
        // a file that could not be read is replaced only by a real picture.
        const bool showsPlaceholder =
            frame->picture().cacheKey() == (i == 0 ? imgBianco : imgBianco02)->picture().cacheKey();
        if (!newCard && (!frame->changed() || (m_photoUnreadable[size_t(i)] && showsPlaceholder)))
            continue;
        if (PhotoFiles::writeCard(i == 0 ? u'A' : u'B', position, frame->filePicture())) {
            frame->setUnchanged();
            m_photoUnreadable[size_t(i)] = false;
        } else {
            written = false;  // still changed: saving again retries it
        }
    }
    if (written)
        return true;
    // The frames keep their pictures, so saving again can still store them.
    Messages::error(cardPhotosNotWrittenText(), this);
    return false;
}

void TfrmRegistro::loadPhotoFromFile(PhotoFrame *frame)
{
    if (const auto picture = PhotoActions::loadFromChosenFile(this))
        frame->setFilePicture(*picture);
}

void TfrmRegistro::takePhotoWithCamera(const QString &token)
{
    TfrmWebCam camera(this);
    Controls::setToken(&camera, token);
    Modal::exec(&camera);
}

void TfrmRegistro::savePhotoToFile(PhotoFrame *frame) { PhotoActions::saveToChosenFile(this, frame->filePicture()); }

void TfrmRegistro::btnCaricaFotoClick() { loadPhotoFromFile(imgFoto); }
void TfrmRegistro::btnCaricaFoto02Click() { loadPhotoFromFile(imgFoto02); }
void TfrmRegistro::btnAcquisisciFotoClick() { takePhotoWithCamera(QStringLiteral("foto01")); }
void TfrmRegistro::btnAcquisisciFoto02Click() { takePhotoWithCamera(QStringLiteral("foto02")); }
void TfrmRegistro::btnSalvaFotoClick() { savePhotoToFile(imgFoto); }
void TfrmRegistro::btnSalvaFoto02Click() { savePhotoToFile(imgFoto02); }
void TfrmRegistro::btnCancFotoClick() { imgFoto->setPicture(imgBianco->picture()); }
void TfrmRegistro::btnCancFoto02Click() { imgFoto02->setPicture(imgBianco02->picture()); }
void TfrmRegistro::btnZoomFotoClick() { PhotoActions::showFullScreen(this, imgFoto->picture()); }
void TfrmRegistro::btnZoomFoto02Click() { PhotoActions::showFullScreen(this, imgFoto02->picture()); }

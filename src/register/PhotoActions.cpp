#include "register/PhotoActions.h"
#include "ui/Messages.h"
#include "ui/Modal.h"
#include "register/PhotoFiles.h"
#include "register/ZoomDialog.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString picturesFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return pictures.isEmpty() ? QDir::homePath() : pictures;
}
}

namespace PhotoActions {

std::optional<PhotoFiles::Picture> loadFromChosenFile(QWidget *parent)
{
    const QString path = Modal::chooseFile(
        parent, {Modal::FileKind::Open,
                 QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap."),
                 picturesFolder(),
                 QStringLiteral("Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)")});
    if (path.isEmpty())
        return std::nullopt;
    auto picture = PhotoFiles::load(path);
    if (!picture)
        Messages::warning(unreadableChoiceText(), parent);
    return picture;
}

bool saveToChosenFile(QWidget *parent, const PhotoFiles::Picture &picture)
{
    QString path = Modal::chooseFile(
        parent, {Modal::FileKind::Save,
                 QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg."),
                 picturesFolder() + QStringLiteral("/Foto.jpg"),
                 QStringLiteral("File Jpeg (*.jpg)")});
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".jpg");
    if (PhotoFiles::save(picture, path))
        return true;
    Messages::error(saveFailedText(), parent);
    return false;
}

void showFullScreen(QWidget *parent, const QImage &picture)
{
    TfrmZoom zoom(parent);
    zoom.setPicture(picture);
    Modal::exec(&zoom);
}

QString unreadableChoiceText()
{
    return QStringLiteral("Attenzione: impossibile caricare l'immagine selezionata.");
}

QString saveFailedText()
{
    return QStringLiteral("Attenzione: non è stato possibile salvare la foto nel file indicato.\n\r\n\r"
                          "Accertarsi di possedere i privilegi di scrittura nella cartella scelta.");
}

} // namespace PhotoActions

#include "register/PhotoFiles.h"
#include "storage/DataFolder.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

namespace {
QByteArray formatFor(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QStringLiteral("bmp"))
        return QByteArrayLiteral("bmp");
    if (suffix == QStringLiteral("png"))
        return QByteArrayLiteral("png");
    return QByteArrayLiteral("jpg");
}

bool isJpegName(const QString &path) { return formatFor(path) == "jpg"; }

// Qt refuses pictures above 256 MB of pixels by default (about 64
// megapixels); the largest picture we accept, at 4 bytes a pixel, must fit.
void allowLargePhotos()
{
    constexpr int megabytes = int(PhotoFiles::kMaxPixels * 4 / (1024 * 1024)) + 64;
    if (QImageReader::allocationLimit() < megabytes)
        QImageReader::setAllocationLimit(megabytes);
}

std::optional<PhotoFiles::Picture> decode(const QByteArray &bytes)
{
    allowLargePhotos();
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);  // phone pictures stand the right way up
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > PhotoFiles::kMaxPixels)
        return std::nullopt;
    const bool jpeg = reader.format() == "jpeg";
    QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    return PhotoFiles::Picture{std::move(image), jpeg ? bytes : QByteArray()};
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
} // namespace

namespace PhotoFiles {

QString cardFile(QChar side, int position)
{
    return DataFolder::file(QStringLiteral("Foto_") + side + u'_' + QString::number(position)
                            + QStringLiteral(".jpg"));
}

CardPhoto loadCard(QChar side, int position)
{
    const QString path = cardFile(side, position);
    if (!QFileInfo::exists(path))
        return {};
    if (auto picture = load(path))
        return {Status::Read, std::move(*picture)};
    return {Status::Unreadable, {}};
}

bool writeCard(QChar side, int position, const Picture &photo) { return save(photo, cardFile(side, position)); }

std::optional<Picture> load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return decode(file.readAll());
}

bool save(const Picture &picture, const QString &path)
{
    if (!picture.jpeg.isEmpty() && isJpegName(path))
        return writeBytes(path, picture.jpeg);
    return save(picture.image, path);
}

bool save(const QImage &image, const QString &path)
{
    if (image.isNull())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&file, formatFor(path));
    writer.setQuality(kJpegQuality);
    if (!writer.write(image)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace PhotoFiles

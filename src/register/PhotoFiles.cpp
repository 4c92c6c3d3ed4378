#include "register/PhotoFiles.h"
#include "storage/DataFolder.h"

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
}

namespace PhotoFiles {

QString cardFile(QChar side, int position)
{
    return DataFolder::file(QStringLiteral("Foto_") + side + u'_' + QString::number(position)
                            + QStringLiteral(".jpg"));
}

bool writeCard(int position, const QImage &photoA, const QImage &photoB)
{
    // Both are attempted: a failure of the first must not cost the second.
    const bool a = save(photoA, cardFile(u'A', position));
    const bool b = save(photoB, cardFile(u'B', position));
    return a && b;
}

std::optional<std::pair<QImage, QImage>> loadCard(int position)
{
    QImage a = load(cardFile(u'A', position));
    if (a.isNull())
        return std::nullopt;
    QImage b = load(cardFile(u'B', position));
    if (b.isNull())
        return std::nullopt;
    return std::make_pair(std::move(a), std::move(b));
}

QImage load(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);  // phone pictures stand the right way up
    return reader.read();
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

#include "register/compliance/PhotoEvidence.h"
#include "register/PhotoFiles.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>

namespace {

// The picture formats the program reads, told by their first bytes.
const char *pictureFormat(const QByteArray &head)
{
    if (head.startsWith("\xFF\xD8\xFF"))
        return "jpeg";
    if (head.startsWith("BM"))
        return "bmp";
    if (head.startsWith("\x89PNG"))
        return "png";
    return nullptr;
}

// Mean difference per channel; JPEG leaves a few steps on a copy.
bool nearlyEqual(const QImage &a, const QImage &b)
{
    if (a.size() != b.size() || a.isNull())
        return false;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    qint64 total = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
        const auto *q = reinterpret_cast<const QRgb *>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            total += qAbs(qRed(p[col]) - qRed(q[col])) + qAbs(qGreen(p[col]) - qGreen(q[col]))
                     + qAbs(qBlue(p[col]) - qBlue(q[col]));
    }
    return total < qint64(x.width()) * x.height() * 3 * 4;
}

} // namespace

PhotoEvidence::PhotoEvidence(const QImage &placeholder) : m_placeholder(placeholder)
{
    QBuffer buffer(&m_placeholderJpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    writer.setQuality(PhotoFiles::kJpegQuality);
    writer.write(placeholder);
}

bool PhotoEvidence::isPlaceholder(const QImage &picture) const
{
    if (picture.isNull())
        return true;
    return picture.size() == m_placeholder.size()
           && (picture == m_placeholder || nearlyEqual(picture, m_placeholder));
}

// A whole register is checked file by file: a photo is read whole only
// when its size says it may be the placeholder or the other photo.
bool PhotoEvidence::isRealPhotoFile(QFile &file) const
{
    const char *format = pictureFormat(file.peek(4));
    if (!format)
        return false;
    if (file.size() == m_placeholderJpeg.size()) {
        const bool placeholder = file.readAll() == m_placeholderJpeg;
        file.seek(0);
        if (placeholder)
            return false;
    }
    // Decoded only when it has the placeholder's size: any other picture is real.
    QImageReader reader(&file, format);
    reader.setAutoDetectImageFormat(false);  // told above, and a probe per format costs a file's worth of reads
    if (reader.size() != m_placeholder.size())
        return true;
    return !isPlaceholder(reader.read());
}

Compliance::PhotoFacts PhotoEvidence::files(const QString &photoA, const QString &photoB) const
{
    QFile a(photoA);
    QFile b(photoB);
    const bool openA = a.open(QIODevice::ReadOnly);
    const bool openB = b.open(QIODevice::ReadOnly);
    Compliance::PhotoFacts facts;
    facts.realA = openA && isRealPhotoFile(a);
    facts.realB = openB && isRealPhotoFile(b);
    if (openA && openB && a.size() > 0 && a.size() == b.size()) {
        a.seek(0);
        b.seek(0);
        facts.same = a.readAll() == b.readAll();
    }
    return facts;
}

Compliance::PhotoFacts PhotoEvidence::pictures(const QImage &photoA, const QImage &photoB) const
{
    Compliance::PhotoFacts facts;
    facts.realA = !isPlaceholder(photoA);
    facts.realB = !isPlaceholder(photoB);
    facts.same = !photoA.isNull() && photoA == photoB;
    return facts;
}

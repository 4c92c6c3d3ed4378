#include "register/compliance/PhotoEvidence.h"
#include "register/PhotoFiles.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// The picture formats the program reads, told by their first bytes.
bool looksLikePicture(const QByteArray &bytes)
{
    return bytes.startsWith("\xFF\xD8\xFF") || bytes.startsWith("BM") || bytes.startsWith("\x89PNG");
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

bool PhotoEvidence::isPlaceholderFile(const QByteArray &bytes) const
{
    if (bytes == m_placeholderJpeg)
        return true;
    // Decoded only when it has the placeholder's size: any other picture is real.
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (reader.size() != m_placeholder.size())
        return false;
    return isPlaceholder(reader.read());
}

Compliance::PhotoFacts PhotoEvidence::files(const QString &photoA, const QString &photoB) const
{
    const QByteArray a = readAll(photoA);
    const QByteArray b = readAll(photoB);
    Compliance::PhotoFacts facts;
    facts.realA = looksLikePicture(a) && !isPlaceholderFile(a);
    facts.realB = looksLikePicture(b) && !isPlaceholderFile(b);
    facts.same = !a.isEmpty() && a == b;
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

#include "BenchBook.h"
#include "ArchiveGenerator.h"
#include "BenchProbe.h"
#include "backup/BackupWriter.h"
#include "register/book/RegisterBook.h"
#include "report/ReportOutput.h"
#include "storage/DataFolder.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextStream>
#include <cmath>
#include <functional>

namespace BenchBook {

namespace {
constexpr int kCards = 1000;

// A camera-sized photo with some texture, so its JPEG weighs like a real one.
QByteArray photoJpeg(int variant)
{
    QImage image(1600, 1200, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient g(0, 0, 1600, 1200);
    g.setColorAt(0, QColor(60 + variant * 40, 30, 70));
    g.setColorAt(1, QColor(220, 180, 60));
    p.fillRect(image.rect(), g);
    p.setPen(QPen(QColor(240, 200, 80), 6));
    for (int i = 0; i < 60; ++i)
        p.drawEllipse(QPointF(800 + 500 * std::cos(i * 0.1047), 600 + 350 * std::sin(i * 0.1047)), 30, 18);
    p.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 90);
    return bytes;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

QString sizeText(qint64 bytes) { return QString::number(double(bytes) / (1 << 20), 'f', 1) + QStringLiteral(" MB"); }

} // namespace

void run(QTextStream &out, int runs, const QString &only)
{
    const QString names[] = {QStringLiteral("register book: 1000 cards to PDF"),
                             QStringLiteral("register book: 1000 cards with photos to PDF"),
                             QStringLiteral("backup: the folder of those cards to zip")};
    if (!names[0].contains(only) && !names[1].contains(only) && !names[2].contains(only))
        return;
    QTemporaryDir data, output;
    ArchiveGenerator::writeRegister(QDir(data.path()).filePath(FileNames::registerArchive()), kCards);
    const QByteArray a = photoJpeg(0);
    const QByteArray b = photoJpeg(1);
    for (int n = 1; n <= kCards; ++n) {
        writeFile(QDir(data.path()).filePath(QStringLiteral("Foto_A_%1.jpg").arg(n)), a);
        writeFile(QDir(data.path()).filePath(QStringLiteral("Foto_B_%1.jpg").arg(n)), b);
    }
    const RegisterBook::Period always{QDate(1900, 1, 1), QDate(2100, 12, 31)};

    out << "\nfiles written (best of " << runs << " runs; photos: " << sizeText(a.size() + b.size())
        << " a card)\n";
    out << QStringLiteral("%1 %2 %3 %4\n").arg(QStringLiteral("operation"), -46).arg(QStringLiteral("pages"), 7)
               .arg(QStringLiteral("ms"), 9).arg(QStringLiteral("file"), 10);
    const auto row = [&](const QString &name, int pages, double ms, qint64 bytes) {
        out << QStringLiteral("%1 %2 %3 %4\n").arg(name, -46).arg(pages < 0 ? QStringLiteral("-") : QString::number(pages), 7)
                   .arg(ms, 9, 'f', 1).arg(sizeText(bytes), 10);
        out.flush();
    };
    for (int withPhotos = 0; withPhotos < 2; ++withPhotos) {
        if (!names[withPhotos].contains(only))
            continue;
        const QString pdf = QDir(output.path()).filePath(QStringLiteral("registro.pdf"));
        int pages = 0;
        // Reading the register and laying it out are part of the operation.
        const double ms = BenchProbe::best(runs, [&] {
            const RegisterBook book = RegisterBook::fromDataFolder(data.path(), always, withPhotos == 1);
            pages = book.pageCount();
            Report::writePdf(book, pdf, {}, QDateTime::currentDateTime());
        });
        row(names[withPhotos], pages, ms, QFileInfo(pdf).size());
    }
    if (names[2].contains(only)) {
        qint64 zipBytes = 0;
        const double ms = BenchProbe::best(runs, [&] {
            const Backup::Result result = Backup::write(data.path(), output.path(), QDateTime::currentDateTime());
            zipBytes = QFileInfo(result.zipPath).size();
            QFile::remove(result.zipPath);
        });
        row(names[2], -1, ms, zipBytes);
    }
}

}

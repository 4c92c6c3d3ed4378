#pragma once
#include <QImage>
#include <QString>
#include <optional>
#include <utility>

// The two photos of a register card live beside the register as
// Foto_A_<position>.jpg and Foto_B_<position>.jpg, at full resolution.
namespace PhotoFiles {
QString cardFile(QChar side, int position);  // side 'A' or 'B', position 1-based
// Writes both photos, each replacing its file only once it is complete.
// True when both were written.
bool writeCard(int position, const QImage &photoA, const QImage &photoB);
// Both photos, or nothing when either file is missing or unreadable.
std::optional<std::pair<QImage, QImage>> loadCard(int position);

// A JPEG or bitmap file; a null image when it cannot be read.
QImage load(const QString &path);
// Encodes by the file's extension (JPEG when it has none it knows).
bool save(const QImage &image, const QString &path);
constexpr int kJpegQuality = 90;
}

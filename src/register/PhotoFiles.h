#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

// The two photos of a register card live beside the register as
// Foto_A_<position>.jpg and Foto_B_<position>.jpg, at full resolution.
namespace PhotoFiles {
QString cardFile(QChar side, int position);  // side 'A' or 'B', position 1-based

// A picture as read from a file: the decoded image and, when the file was a
// JPEG, its bytes as they are on disk, so that storing it again keeps the
// photo as it was taken (its quality and its EXIF data).
struct Picture
{
    QImage image;
    QByteArray jpeg;
};

enum class Status { Read, Missing, Unreadable };
struct CardPhoto
{
    Status status = Status::Missing;
    Picture picture;  // null image unless read
};
// One photo of a card, read on its own: the other one does not depend on it.
CardPhoto loadCard(QChar side, int position);
// Writes one photo of a card, replacing its file only once it is complete.
bool writeCard(QChar side, int position, const Picture &photo);

// A JPEG or bitmap file of at most kMaxPixels; nothing when it cannot be read.
std::optional<Picture> load(const QString &path);
// The picture's own JPEG bytes when it has them and the file is a JPEG;
// otherwise the image, encoded by the file's extension (JPEG when it has
// none it knows).
bool save(const Picture &picture, const QString &path);
bool save(const QImage &image, const QString &path);

constexpr int kJpegQuality = 92;
// A phone's 108-megapixel photo fits, with room to spare.
constexpr qint64 kMaxPixels = 120'000'000;
}

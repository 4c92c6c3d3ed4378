#pragma once
#include <QByteArray>
#include <QString>

// Windows-1252 without ICU: Latin-1 plus a fixed table for 0x80-0x9F.
namespace Cp1252 {
// Characters outside the code page become '?', as the legacy conversion did.
QByteArray encode(QStringView text);
QString decode(const char *data, qsizetype length);
inline QString decode(const QByteArray &bytes) { return decode(bytes.constData(), bytes.size()); }
// Decodes `length` bytes into `dst`, which has room for them; returns the end.
QChar *decodeInto(QChar *dst, const char *data, qsizetype length);
// The byte of a character, or -1 when the code page has none.
int byteOf(char16_t c);
bool canEncode(QChar c);
}

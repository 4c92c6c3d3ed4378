#pragma once
#include <QByteArray>
#include <QString>

// Windows-1252 without ICU: Latin-1 plus a fixed table for 0x80-0x9F.
namespace Cp1252 {
// Characters outside the code page become '?', as the legacy conversion did.
QByteArray encode(QStringView text);
QString decode(const char *data, qsizetype length);
inline QString decode(const QByteArray &bytes) { return decode(bytes.constData(), bytes.size()); }
bool canEncode(QChar c);
}

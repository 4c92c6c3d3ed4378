#include "storage/Record.h"

namespace ShortText {

QString trimmed(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= 32)
        ++begin;
    while (end > begin && text[end - 1].unicode() <= 32)
        --end;
    return text.mid(begin, end - begin).toString();
}

QString trimmed(const QString &text)
{
    if (text.isEmpty() || (text.front().unicode() > 32 && text.back().unicode() > 32))
        return text;
    return trimmed(QStringView(text));
}

void write(char *slot, int capacity, QStringView text)
{
    QByteArray bytes = Cp1252::encode(trimmed(text));
    if (bytes.size() > capacity)
        bytes.truncate(capacity);
    std::memset(slot, 0, size_t(capacity) + 1);
    slot[0] = static_cast<char>(bytes.size());
    std::memcpy(slot + 1, bytes.constData(), size_t(bytes.size()));
}

QString read(const char *slot, int capacity)
{
    // Bytes of code 32 or lower are the characters of code 32 or lower, so
    // trimming before decoding gives the same text with one allocation.
    const QByteArrayView raw = trimmedBytes(rawBytes(slot, capacity));
    return Cp1252::decode(raw.data(), raw.size());
}

} // namespace ShortText

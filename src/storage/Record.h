#pragma once
#include "storage/Cp1252.h"
#include <QByteArray>
#include <QString>
#include <array>
#include <cstring>
#include <span>

// One short text field of a record: a length byte and up to `capacity`
// Windows-1252 bytes. Records list their fields in file order.
template <class R>
struct FieldDef
{
    const char *name;  // field name; the window control is a prefix + name
    int capacity;
    QString R::*member;
};

template <class R, std::size_t N>
constexpr int recordSize(const std::array<FieldDef<R>, N> &fields)
{
    int size = 0;
    for (const auto &f : fields)
        size += f.capacity + 1;
    return size;
}

namespace ShortText {
// Trimmed as the archives always were: every character of code 32 or lower.
QString trimmed(QStringView text);
// The same for a whole text, shared rather than copied when nothing is cut
// (as field values read back always are).
QString trimmed(const QString &text);
// Writes `text` trimmed and cut to `capacity` into `slot` (capacity + 1 bytes);
// the bytes after the text are zeros.
void write(char *slot, int capacity, QStringView text);
// Reads a slot; a length byte above the capacity reads at most the capacity.
QString read(const char *slot, int capacity);
// Leading and trailing bytes of code 32 or lower removed: the encoded
// counterpart of trimmed().
inline QByteArrayView trimmedBytes(QByteArrayView bytes)
{
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.data());
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    while (begin < end && data[begin] <= 32)
        ++begin;
    while (end > begin && data[end - 1] <= 32)
        --end;
    return bytes.sliced(begin, end - begin);
}
// The raw, still encoded bytes of a slot, without decoding (for fast scans).
inline QByteArrayView rawBytes(const char *slot, int capacity)
{
    int len = static_cast<unsigned char>(slot[0]);
    if (len > capacity)
        len = capacity;
    return QByteArrayView(slot + 1, len);
}
} // namespace ShortText

// The offsets of a record's fields, computed once from its table.
template <class R>
struct RecordLayout
{
    static constexpr auto &fields = R::kFields;
    static constexpr int size = recordSize(R::kFields);

    static const std::array<int, R::kFields.size()> &offsets()
    {
        static const auto table = [] {
            std::array<int, R::kFields.size()> o{};
            int at = 0;
            for (std::size_t i = 0; i < o.size(); ++i) {
                o[i] = at;
                at += R::kFields[i].capacity + 1;
            }
            return o;
        }();
        return table;
    }

    static int indexOf(QStringView name)
    {
        for (std::size_t i = 0; i < fields.size(); ++i)
            if (name == QLatin1StringView(fields[i].name))
                return int(i);
        return -1;
    }

    static QByteArray encode(const R &record)
    {
        QByteArray bytes(size, '\0');
        const auto &off = offsets();
        for (std::size_t i = 0; i < fields.size(); ++i)
            ShortText::write(bytes.data() + off[i], fields[i].capacity, record.*(fields[i].member));
        return bytes;
    }

    // `data` must hold `size` bytes.
    static R decode(const char *data)
    {
        R record;
        const auto &off = offsets();
        for (std::size_t i = 0; i < fields.size(); ++i)
            record.*(fields[i].member) = ShortText::read(data + off[i], fields[i].capacity);
        return record;
    }
    static R decode(const QByteArray &bytes) { return decode(bytes.constData()); }

    // One field of an encoded record, decoded on its own.
    static QString field(const char *data, int index)
    {
        return ShortText::read(data + offsets()[index], fields[index].capacity);
    }
    static QByteArrayView rawField(const char *data, int index)
    {
        return ShortText::rawBytes(data + offsets()[index], fields[index].capacity);
    }
};

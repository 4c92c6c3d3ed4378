#include "summaries/ResultLines.h"

#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <memory>
#include <cstring>
#include <vector>

namespace {

inline char16_t foldLower(char16_t c) { return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c; }

// The Windows-1252 code of a character, with a-z as A-Z. Every character a
// line can hold comes from a record or from our own separators, so all of
// them have a code; anything else sorts last.
constexpr std::array<unsigned char, 256> kLatinOrder = [] {
    std::array<unsigned char, 256> t{};
    for (int c = 0; c < 256; ++c)
        t[size_t(c)] = static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 32 : c);
    return t;
}();

inline unsigned char orderCode(QChar ch)
{
    const char16_t c = ch.unicode();
    if (c < 0x100)
        return kLatinOrder[c];
    const int b = Cp1252::byteOf(c);
    return b < 0 ? 0xFF : static_cast<unsigned char>(b);
}

// Writes the order key of a line, one byte a character, at `out`.
char *orderKey(QStringView line, char *out)
{
    for (const QChar c : line)
        *out++ = static_cast<char>(orderCode(c));
    return out;
}

} // namespace

namespace ResultLines {

QString fit(QStringView text, int width)
{
    QString out = ShortText::trimmed(text);
    if (out.size() > width)
        out.truncate(width);
    else
        out.append(QString(width - out.size(), u' '));
    return out;
}

QString lowerAscii(QStringView text)
{
    QString out = text.toString();
    for (QChar &c : out)
        c = QChar(foldLower(c.unicode()));
    return out;
}

bool containsFolded(QStringView line, QStringView key)
{
    const qsizetype n = line.size();
    const qsizetype m = key.size();
    if (m == 0 || m > n)
        return false;
    const char16_t first = key[0].unicode();
    for (qsizetype i = 0; i + m <= n; ++i) {
        if (foldLower(line[i].unicode()) != first)
            continue;
        qsizetype j = 1;
        while (j < m && foldLower(line[i + j].unicode()) == key[j].unicode())
            ++j;
        if (j == m)
            return true;
    }
    return false;
}

bool lessThan(QStringView a, QStringView b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const unsigned char ca = orderCode(a[i]);
        const unsigned char cb = orderCode(b[i]);
        if (ca != cb)
            return ca < cb;
    }
    return a.size() < b.size();
}

void sort(QStringList &lines)
{
    // One key per line, all in one buffer, compared as unsigned bytes with
    // the shorter first on a tie: exactly "by code, prefix first".
    struct Key
    {
        qsizetype offset;
        qsizetype length;
        qsizetype line;
    };
    qsizetype total = 0;
    for (const QString &line : lines)
        total += line.size();
    const std::unique_ptr<char[]> pool(new char[size_t(total) + 1]);
    std::vector<Key> keys;
    keys.reserve(size_t(lines.size()));
    char *at = pool.get();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        char *end = orderKey(lines[i], at);
        keys.push_back({at - pool.get(), end - at, i});
        at = end;
    }
    const char *base = pool.get();
    std::stable_sort(keys.begin(), keys.end(), [base](const Key &x, const Key &y) {
        const int c = std::memcmp(base + x.offset, base + y.offset, size_t(std::min(x.length, y.length)));
        return c != 0 ? c < 0 : x.length < y.length;
    });
    QStringList sorted;
    sorted.reserve(lines.size());
    for (const Key &k : keys)
        sorted.append(std::move(lines[k.line]));
    lines = std::move(sorted);
}

} // namespace ResultLines

QString LineFormat::build(const char *record) const
{
    // One allocation a line: field columns are trimmed as bytes and measured
    // first, then decoded straight into the line.
    QVarLengthArray<QByteArrayView, 16> fieldBytes(m_columns.size());
    QVarLengthArray<QString, 4> computed;  // the columns that are not one field
    qsizetype length = 0;
    for (qsizetype i = 0; i < m_columns.size(); ++i) {
        const Column &c = m_columns[i];
        length += c.before.size();
        if (c.offset >= 0) {
            fieldBytes[i] = ShortText::trimmedBytes(ShortText::rawBytes(record + c.offset, c.capacity));
            length += c.width == kRest ? fieldBytes[i].size() : c.width;
        } else {
            const QString value = c.value(record);
            computed.append(c.width == kRest ? ShortText::trimmed(value) : ResultLines::fit(value, c.width));
            length += computed.last().size();
        }
    }
    QString line(length, Qt::Uninitialized);
    QChar *at = line.data();
    const QString *nextComputed = computed.cbegin();
    for (qsizetype i = 0; i < m_columns.size(); ++i) {
        const Column &c = m_columns[i];
        at = std::copy(c.before.cbegin(), c.before.cend(), at);
        if (c.offset < 0) {
            at = std::copy(nextComputed->cbegin(), nextComputed->cend(), at);
            ++nextComputed;
            continue;
        }
        const QByteArrayView text =
            c.width == kRest ? fieldBytes[i] : fieldBytes[i].first(qMin<qsizetype>(fieldBytes[i].size(), c.width));
        at = Cp1252::decodeInto(at, text.data(), text.size());
        if (c.width != kRest)
            at = std::fill_n(at, c.width - text.size(), QChar(u' '));
    }
    return line;
}

#include "summaries/ResultLines.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

inline char16_t foldUpper(char16_t c) { return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c; }
inline char16_t foldLower(char16_t c) { return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c; }

// The Windows-1252 code of a character, with a-z as A-Z. Every character a
// line can hold comes from a record or from our own separators, so all of
// them have a code; anything else sorts last.
unsigned char orderCode(QChar ch)
{
    const char16_t c = foldUpper(ch.unicode());
    if (c < 0x100)
        return static_cast<unsigned char>(c);
    const QByteArray b = Cp1252::encode(QStringView(&ch, 1));
    return b.at(0) == '?' ? 0xFF : static_cast<unsigned char>(b.at(0));
}

QByteArray orderKey(QStringView line)
{
    QByteArray key(line.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < line.size(); ++i)
        key[i] = static_cast<char>(orderCode(line[i]));
    return key;
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
    // One key per line, compared as unsigned bytes: QByteArray's order is
    // exactly "by code, prefix first".
    std::vector<QByteArray> keys;
    keys.reserve(size_t(lines.size()));
    for (const QString &line : lines)
        keys.push_back(orderKey(line));
    std::vector<int> order(size_t(lines.size()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&keys](int x, int y) { return keys[size_t(x)] < keys[size_t(y)]; });
    QStringList sorted;
    sorted.reserve(lines.size());
    for (int i : order)
        sorted.append(std::move(lines[i]));
    lines = std::move(sorted);
}

} // namespace ResultLines

QString LineFormat::build(const char *record) const
{
    QString line;
    line.reserve(160);
    for (const Column &c : m_columns) {
        line += c.before;
        const QString value = c.value(record);
        line += c.width == kRest ? ShortText::trimmed(value) : ResultLines::fit(value, c.width);
    }
    return line;
}

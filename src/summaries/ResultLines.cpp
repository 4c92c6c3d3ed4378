#include "summaries/ResultLines.h"

#include <algorithm>
#include <array>
#include <memory>
#include <numeric>
#include <vector>

namespace {

inline char16_t foldLower(char16_t c) { return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c; }

// The Windows-1252 code of every character, with a-z as A-Z, in one table.
// Every character a line can hold comes from a record or from our own
// separators, so all of them have a code; anything else sorts last.
const std::array<unsigned char, 0x10000> &orderTable()
{
    static const auto table = [] {
        auto t = std::make_unique<std::array<unsigned char, 0x10000>>();
        t->fill(0xFF);
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            const QString decoded = Cp1252::decode(&byte, 1);
            (*t)[decoded.at(0).unicode()] = static_cast<unsigned char>(b);
        }
        for (char16_t c = u'a'; c <= u'z'; ++c)
            (*t)[c] = static_cast<unsigned char>(c - 32);
        return t;
    }();
    return *table;
}

inline unsigned char orderCode(QChar c) { return orderTable()[c.unicode()]; }

QByteArray orderKey(QStringView line)
{
    const auto &table = orderTable();
    QByteArray key(line.size(), Qt::Uninitialized);
    char *out = key.data();
    const QChar *in = line.data();
    for (qsizetype i = 0; i < line.size(); ++i)
        out[i] = static_cast<char>(table[in[i].unicode()]);
    return key;
}

const std::array<char16_t, 256> &decodeTable()
{
    static const auto table = [] {
        std::array<char16_t, 256> t{};
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            t[size_t(b)] = Cp1252::decode(&byte, 1).at(0).unicode();
        }
        return t;
    }();
    return table;
}

// Appends a stored field, trimmed, decoded straight into the line and
// padded or cut to `width` (kRest: as it is).
void appendField(QString &line, const char *record, int offset, int capacity, int width)
{
    QByteArrayView raw = ShortText::rawBytes(record + offset, capacity);
    // Bytes up to the blank decode to themselves, so trimming the bytes is
    // trimming the text.
    while (!raw.isEmpty() && static_cast<unsigned char>(raw.front()) <= 32)
        raw = raw.sliced(1);
    while (!raw.isEmpty() && static_cast<unsigned char>(raw.back()) <= 32)
        raw.chop(1);
    const qsizetype shown = width == LineFormat::kRest ? raw.size() : qMin<qsizetype>(raw.size(), width);
    const qsizetype total = width == LineFormat::kRest ? raw.size() : width;
    const qsizetype at = line.size();
    line.resize(at + total, u' ');
    QChar *out = line.data() + at;
    const auto &table = decodeTable();
    for (qsizetype i = 0; i < shown; ++i)
        out[i] = QChar(table[static_cast<unsigned char>(raw[i])]);
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
        if (!c.value) {
            appendField(line, record, c.offset, c.capacity, c.width);
            continue;
        }
        const QString value = c.value(record);
        line += c.width == kRest ? ShortText::trimmed(value) : ResultLines::fit(value, c.width);
    }
    return line;
}

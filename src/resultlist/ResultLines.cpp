#include "resultlist/ResultLines.h"

#include <QVarLengthArray>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <thread>
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

// Writes the order key of a line, one byte a character, at `out`.
char *orderKey(QStringView line, char *out)
{
    const auto &table = orderTable();
    const char16_t *in = line.utf16();
    const qsizetype n = line.size();
    qsizetype i = 0;
#if defined(__SSE2__)
    // Eight characters at a time: in plain ASCII, most of every line, the
    // code is the character itself with a-z as A-Z; other blocks go through
    // the table.
    const __m128i nonAscii = _mm_set1_epi16(static_cast<short>(0xFF80));
    const __m128i beforeA = _mm_set1_epi16('a' - 1);
    const __m128i afterZ = _mm_set1_epi16('z' + 1);
    const __m128i caseBit = _mm_set1_epi16(0x20);
    const __m128i zero = _mm_setzero_si128();
    for (; i + 8 <= n; i += 8) {
        const __m128i chars = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + i));
        if (_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_and_si128(chars, nonAscii), zero)) != 0xFFFF) {
            for (qsizetype j = i; j < i + 8; ++j)
                out[j] = static_cast<char>(table[in[j]]);
            continue;
        }
        const __m128i lower = _mm_and_si128(_mm_cmpgt_epi16(chars, beforeA), _mm_cmplt_epi16(chars, afterZ));
        const __m128i folded = _mm_sub_epi16(chars, _mm_and_si128(lower, caseBit));
        _mm_storel_epi64(reinterpret_cast<__m128i *>(out + i), _mm_packus_epi16(folded, folded));
    }
#endif
    for (; i < n; ++i)
        out[i] = static_cast<char>(table[in[i]]);
    return out + n;
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
    QList<int> none;
    sort(lines, none);
}

void sort(QStringList &lines, QList<int> &records)
{
    Q_ASSERT(records.isEmpty() || records.size() == lines.size());
    // One key per line, all in one buffer, compared as unsigned bytes with
    // the shorter first on a tie: exactly "by code, prefix first". The first
    // eight bytes also sit in the key itself, big-endian and zero-padded, so
    // most comparisons that end early never touch the buffer.
    struct Key
    {
        quint64 head;
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
        const qsizetype length = end - at;
        quint64 head = 0;
        for (qsizetype b = 0; b < 8; ++b)
            head = (head << 8) | (b < length ? static_cast<unsigned char>(at[b]) : 0u);
        keys.push_back({head, at - pool.get(), length, i});
        at = end;
    }
    const char *base = pool.get();
    const auto less = [base](const Key &x, const Key &y) {
        if (x.head != y.head)
            return x.head < y.head;
        const qsizetype shorter = std::min(x.length, y.length);
        if (shorter > 8) {
            const int c = std::memcmp(base + x.offset + 8, base + y.offset + 8, size_t(shorter - 8));
            if (c != 0)
                return c < 0;
        }
        return x.length < y.length;
    };
    // Long lists: each core sorts one half, then the halves merge; the merge
    // takes from the first half on a tie, so the order is the stable one.
    constexpr size_t kParallelFrom = 20000;
    if (keys.size() >= kParallelFrom && std::thread::hardware_concurrency() > 1) {
        const auto middle = keys.begin() + std::ptrdiff_t(keys.size() / 2);
        std::thread firstHalf([&] { std::stable_sort(keys.begin(), middle, less); });
        std::stable_sort(middle, keys.end(), less);
        firstHalf.join();
        std::vector<Key> merged(keys.size());
        std::merge(keys.begin(), middle, middle, keys.end(), merged.begin(), less);
        keys = std::move(merged);
    } else {
        std::stable_sort(keys.begin(), keys.end(), less);
    }
    QStringList sorted;
    sorted.reserve(lines.size());
    for (const Key &k : keys)
        sorted.append(std::move(lines[k.line]));
    lines = std::move(sorted);
    if (records.isEmpty())
        return;
    QList<int> moved;
    moved.reserve(records.size());
    for (const Key &k : keys)
        moved.append(records[k.line]);
    records = std::move(moved);
}

} // namespace ResultLines

QString LineFormat::build(const char *record) const
{
    // One allocation a line: stored fields are trimmed as bytes (bytes up to
    // the blank decode to themselves, so that is trimming the text) and
    // measured first, then decoded straight into the line.
    QVarLengthArray<QByteArrayView, 16> fieldBytes(m_columns.size());
    QVarLengthArray<QString, 4> computed;  // the columns with a value of their own
    qsizetype length = 0;
    for (qsizetype i = 0; i < m_columns.size(); ++i) {
        const Column &c = m_columns[i];
        length += c.before.size();
        if (!c.value) {
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
        if (c.value) {
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

QList<int> LineFormat::columnStarts() const
{
    QList<int> starts;
    int at = 0;
    for (const Column &c : m_columns) {
        at += int(c.before.size());
        starts.append(at);
        if (c.width != kRest)
            at += c.width;
    }
    return starts;
}

QString LineFormat::heading() const
{
    const QList<int> starts = columnStarts();
    QString text;
    for (qsizetype i = 0; i < m_columns.size(); ++i) {
        const QString &name = m_columns[i].heading;
        if (name.isEmpty())
            continue;
        // A name longer than its column would hide the next one's start.
        Q_ASSERT_X(i + 1 == m_columns.size() || starts[i] + name.size() < starts[i + 1], "LineFormat::heading",
                   "a column name overruns the next column");
        text.append(QString(qMax<qsizetype>(0, starts[i] - text.size()), u' '));
        text.append(name);
    }
    return text;
}


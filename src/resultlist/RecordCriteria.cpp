#include "resultlist/RecordCriteria.h"

#include <array>

namespace {

const std::array<unsigned char, 256> &foldTable()
{
    static const auto table = [] {
        std::array<unsigned char, 256> t{};
        for (int i = 0; i < 256; ++i)
            t[size_t(i)] = static_cast<unsigned char>(i >= 'A' && i <= 'Z' ? i + 32 : i);
        return t;
    }();
    return table;
}

} // namespace

FieldCriterion::FieldCriterion(const QString &typed, int offset, int capacity)
    : m_offset(offset), m_capacity(capacity),
      m_inUse(!ShortText::trimmed(typed).isEmpty()), m_possible(true)
{
    for (QChar c : typed)
        m_possible = m_possible && Cp1252::canEncode(c);
    m_key = Cp1252::encode(typed);
    const auto &fold = foldTable();
    for (char &b : m_key)
        b = static_cast<char>(fold[static_cast<unsigned char>(b)]);
}

bool FieldCriterion::occursIn(const char *record) const
{
    if (!m_inUse || !m_possible)
        return false;
    QByteArrayView field = ShortText::rawBytes(record + m_offset, m_capacity);
    // The field as it reads back: blanks and control bytes around it removed.
    while (!field.isEmpty() && static_cast<unsigned char>(field.front()) <= 32)
        field = field.sliced(1);
    while (!field.isEmpty() && static_cast<unsigned char>(field.back()) <= 32)
        field.chop(1);

    const qsizetype n = field.size();
    const qsizetype m = m_key.size();
    if (m > n)
        return false;
    const auto &fold = foldTable();
    const auto *hay = reinterpret_cast<const unsigned char *>(field.data());
    const auto *key = reinterpret_cast<const unsigned char *>(m_key.constData());
    for (qsizetype i = 0; i + m <= n; ++i) {
        qsizetype j = 0;
        while (j < m && fold[hay[i + j]] == key[j])
            ++j;
        if (j == m)
            return true;
    }
    return false;
}

void RecordCriteria::add(const FieldCriterion &criterion)
{
    if (criterion.inUse())
        m_used.append(criterion);
}

bool RecordCriteria::matches(const char *record) const
{
    for (const FieldCriterion &c : m_used)
        if (!c.occursIn(record))
            return false;
    return true;
}

#pragma once
#include <QByteArray>
#include <cstring>
#include <utility>

// An append-only byte buffer for building large texts: room is claimed
// once per piece and filled through a plain pointer, so a table of a
// hundred thousand rows is not slowed down by millions of small appends.
class ByteBuffer
{
public:
    qsizetype size() const { return m_used; }
    const char *data() const { return m_bytes.constData(); }
    void reserve(qsizetype bytes)
    {
        if (bytes > m_bytes.size())
            m_bytes.resize(bytes);
    }
    // Room for at least `bytes` more; write there, then call commit().
    char *room(qsizetype bytes)
    {
        if (m_used + bytes > m_bytes.size())
            m_bytes.resize(qMax(m_bytes.size() * 2, m_used + bytes));
        return m_bytes.data() + m_used;
    }
    void commit(const char *end) { m_used = end - m_bytes.constData(); }
    void append(const char *text, qsizetype length)
    {
        char *at = room(length);
        std::memcpy(at, text, size_t(length));
        m_used += length;
    }
    template <qsizetype N>
    void append(const char (&literal)[N]) { append(literal, N - 1); }
    void append(QByteArrayView bytes) { append(bytes.data(), bytes.size()); }
    // Forgets the text but keeps the room, for a buffer reused block by block.
    void clear() { m_used = 0; }
    // Hands the text over and leaves the buffer empty.
    QByteArray take()
    {
        m_bytes.truncate(m_used);
        m_used = 0;
        return std::exchange(m_bytes, QByteArray());
    }

private:
    QByteArray m_bytes;
    qsizetype m_used = 0;
};

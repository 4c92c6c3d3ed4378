#pragma once
#include <QString>
#include <QStringList>

// The "Trova" of the result lists. It remembers the key of the previous
// find, so a second click with the same text moves on to the next match.
class FindNext
{
public:
    enum class Result { EmptyList, Found, NotFound };
    struct Outcome
    {
        Result result;
        int selected;  // the selection after the find (-1 only for an empty list)
    };

    // `selected` is the list's selected index, -1 when none. The search goes
    // from the top for a new key and from the line after the selection for
    // the same key, wrapping round; the selected line is tested last.
    Outcome next(const QStringList &lines, int selected, const QString &typed);
    // Empties the last search key (opening or refilling the list).
    void forget() { m_lastKey.clear(); }
    const QString &lastKey() const { return m_lastKey; }

private:
    QString m_lastKey;
};

#include "resultlist/FindNext.h"
#include "resultlist/ResultLines.h"

FindNext::Outcome FindNext::next(const QStringList &lines, int selected, const QString &typed)
{
    const int count = int(lines.size());
    if (count == 0)
        return {Result::EmptyList, -1};
    if (selected < 0 || selected >= count)
        selected = 0;

    const QString key = ResultLines::lowerAscii(typed);
    const auto matches = [&](int i) { return ResultLines::containsFolded(lines[i], key); };

    Outcome outcome{Result::NotFound, selected};
    int start = selected;
    if (key != m_lastKey) {
        start = 0;
        if (matches(0))
            outcome = {Result::Found, 0};
    }
    if (outcome.result == Result::NotFound) {
        int i = start;
        do {
            i = (i + 1) % count;
            if (matches(i)) {
                outcome = {Result::Found, i};
                break;
            }
        } while (i != start);
    }
    m_lastKey = key;
    return outcome;
}

#pragma once
// Reading "d/m/y" from any run of characters: the date text of the windows
// and the compliance check over stored bytes read dates the same way.
#include "storage/Clock.h"

#include <QDate>

namespace DateDigits {

inline int code(QChar c) { return c.unicode(); }
inline int code(char c) { return static_cast<unsigned char>(c); }

// Read in place, and today's date looked up only when the year needs it:
// summaries parse a date for every record of an archive.
template <typename Chars>
QDate parse(const Chars &text)
{
    int numbers[3] = {0, 0, 0};
    int lengths[3] = {0, 0, 0};
    int parts = 1;
    for (const auto c : text) {
        const int ch = code(c);
        if (ch == '/') {
            if (++parts > 3)
                return {};
            continue;
        }
        const int part = parts - 1;
        if (ch < '0' || ch > '9' || ++lengths[part] > (part == 2 ? 4 : 2))
            return {};
        numbers[part] = numbers[part] * 10 + (ch - '0');
    }
    if (parts < 2)
        return {};
    for (int i = 0; i < parts; ++i)
        if (lengths[i] == 0)
            return {};
    if (parts == 2) {
        numbers[2] = Clock::today().year();
    } else if (lengths[2] <= 2) {
        // Within fifty years of the current year, as the legacy conversion did.
        const int current = Clock::today().year();
        int year = current - current % 100 + numbers[2];
        if (year > current + 50)
            year -= 100;
        else if (year <= current - 50)
            year += 100;
        numbers[2] = year;
    }
    if (numbers[2] < 1 || numbers[2] > 9999)
        return {};
    const QDate date(numbers[2], numbers[1], numbers[0]);
    return date.isValid() ? date : QDate();
}

} // namespace DateDigits

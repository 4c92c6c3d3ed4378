#include "storage/DateText.h"
#include "storage/Clock.h"

namespace DateText {

QDate parse(const QString &input)
{
    // Read in place, and today's date looked up only when the year needs it:
    // summaries parse a date for every record of an archive.
    const QStringView text = QStringView(input).trimmed();
    int numbers[3] = {0, 0, 0};
    int lengths[3] = {0, 0, 0};
    int parts = 1;
    for (const QChar c : text) {
        if (c == u'/') {
            if (++parts > 3)
                return {};
            continue;
        }
        const int part = parts - 1;
        if (c < u'0' || c > u'9' || ++lengths[part] > (part == 2 ? 4 : 2))
            return {};
        numbers[part] = numbers[part] * 10 + (c.unicode() - u'0');
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

bool isValid(const QString &text) { return parse(text).isValid(); }

QString format(const QDate &date) { return date.toString(QStringLiteral("dd/MM/yyyy")); }

QString today() { return format(Clock::today()); }

QString nowTime() { return Clock::now().time().toString(QStringLiteral("hh:mm")); }

} // namespace DateText

#include "storage/DateText.h"
#include "storage/AmountText.h"
#include "storage/Clock.h"

#include <QStringList>

namespace DateText {

QDate parse(const QString &input)
{
    const QStringList parts = input.trimmed().split(u'/');
    if (parts.size() < 2 || parts.size() > 3)
        return {};
    int numbers[3] = {0, 0, Clock::today().year()};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString &p = parts[i];
        if (p.isEmpty() || p.size() > (i == 2 ? 4 : 2) || !AmountText::isDigitsOnly(p))
            return {};
        numbers[i] = p.toInt();
    }
    if (parts.size() == 3 && parts[2].size() <= 2) {
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

#include "storage/DateText.h"
#include "storage/DateDigits.h"

namespace DateText {

QDate parse(const QString &input) { return DateDigits::parse(QStringView(input).trimmed()); }

bool isValid(const QString &text) { return parse(text).isValid(); }

QString format(const QDate &date) { return date.toString(QStringLiteral("dd/MM/yyyy")); }

QString today() { return format(Clock::today()); }

QString nowTime() { return Clock::now().time().toString(QStringLiteral("hh:mm")); }

} // namespace DateText

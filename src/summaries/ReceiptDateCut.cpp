#include "summaries/ReceiptDateCut.h"
#include "storage/Record.h"

namespace ReceiptDateCut {

Parts cut(const QString &date)
{
    const QString padded = ShortText::trimmed(date) + QString(10, u' ');
    return {padded.mid(0, 2), padded.mid(3, 2), padded.mid(6, 4)};
}

int monthNumber(const QString &twoChars)
{
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    if (twoChars.size() != 2 || !digit(twoChars[0]) || !digit(twoChars[1]))
        return 0;
    const int n = (twoChars[0].unicode() - u'0') * 10 + (twoChars[1].unicode() - u'0');
    return n >= 1 && n <= 12 ? n : 0;
}

bool placeable(const QString &date)
{
    const Parts parts = cut(date);
    if (monthNumber(parts.month) == 0)
        return false;
    for (QChar c : parts.year)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

QString unplacedWarning(const QList<Unplaced> &receipts, const QString &where)
{
    // Enough lines to mend them one by one, not so many that the box leaves the screen.
    constexpr int kNamed = 15;
    QString list;
    for (int i = 0; i < receipts.size() && i < kNamed; ++i)
        list += u"\n\rRic. n. " + receipts[i].number + u" - data: \"" + receipts[i].date + u'"';
    if (receipts.size() > kNamed)
        list += u"\n\r... e altre " + QString::number(receipts.size() - kNamed) + u" ricevute.";
    return u"Attenzione: le seguenti ricevute non sono comprese " + where
        + u" perché la loro data non è una data valida nel formato gg/mm/anno:\n\r" + list
        + u"\n\r\n\rCorreggere la data delle ricevute indicate.";
}

const QStringList &monthNames()
{
    static const QStringList names{
        QStringLiteral("gennaio"), QStringLiteral("febbraio"), QStringLiteral("marzo"),
        QStringLiteral("aprile"),  QStringLiteral("maggio"),   QStringLiteral("giugno"),
        QStringLiteral("luglio"),  QStringLiteral("agosto"),   QStringLiteral("settembre"),
        QStringLiteral("ottobre"), QStringLiteral("novembre"), QStringLiteral("dicembre")};
    return names;
}

const QStringList &quarterNames()
{
    static const QStringList names = [] {
        QStringList q;
        const QStringList &m = monthNames();
        for (int i = 0; i < 12; i += 3)
            q.append(m[i] + u", " + m[i + 1] + u", " + m[i + 2]);
        return q;
    }();
    return names;
}

QString monthName(const QString &twoChars)
{
    const int n = monthNumber(twoChars);
    return n ? monthNames()[n - 1] : twoChars;
}

QString quarterName(const QString &twoChars)
{
    const int n = monthNumber(twoChars);
    return n ? quarterNames()[(n - 1) / 3] : twoChars;
}

} // namespace ReceiptDateCut

#pragma once
#include <QString>
#include <QList>
#include <QStringList>

// The receipt summaries and charts place a receipt in its month, quarter and
// year by the position of the characters in its date text, not by reading it
// as a date: "5/3/2024" therefore falls in no month.
namespace ReceiptDateCut {

struct Parts
{
    QString day;    // characters 1-2
    QString month;  // characters 4-5
    QString year;   // characters 7-10
};
// The date trimmed, followed by ten blanks, cut by position.
Parts cut(const QString &date);

// "03" -> 3; 0 for anything that is not "01" ... "12".
int monthNumber(const QString &twoChars);

// Italian month names in lower case, January first.
const QStringList &monthNames();
// The four quarter names: "gennaio, febbraio, marzo", ...
const QStringList &quarterNames();

// The period names a receipt is compared against; texts that are not a
// month number stay as they are, and so match no period.
QString monthName(const QString &twoChars);
QString quarterName(const QString &twoChars);

// Whether the positions above give a month, 01 to 12, and a four-digit year.
bool placeable(const QString &date);

// A receipt a summary or the chart could not place, as it is stored.
struct Unplaced
{
    QString number;
    QString date;
};
// The one warning after the fill that names them; `where` is "nel riepilogo"
// or "nel grafico".
QString unplacedWarning(const QList<Unplaced> &receipts, const QString &where);

} // namespace ReceiptDateCut

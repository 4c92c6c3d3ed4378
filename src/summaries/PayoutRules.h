#pragma once
#include "resultlist/ResultLines.h"
#include "summaries/SummarySums.h"

#include <QDate>
#include <QString>
#include <QStringList>

// The payout summary without widgets: the chooser's checks, the filters,
// the selection of register cards and the texts around the total.
namespace PayoutRules {

const QStringList &dayItems();    // "01" ... "31"
const QStringList &monthItems();  // "Gennaio" ... "Dicembre"
// The month's number in two digits for a month name in any case and with
// blanks around; empty when it is none.
QString monthNumber(const QString &monthText);
// Whether a drop-down's text may stay when the field loses the focus.
bool isDayItem(const QString &text);
bool isMonthItem(const QString &text);

struct Inputs
{
    QString year;  // txtAnno as typed
    QString startDay, startMonth, endDay, endMonth;
};

// The outcome of "Visualizza riepilogo": either both dates, or the first
// failing check with its message and where the focus goes (empty: stays).
struct Check
{
    enum class Kind { Passed, Warning, Plain };
    Kind kind = Kind::Passed;
    QString message;
    QString focus;
    QString start;  // the composed dates, as far as they were composed
    QString end;
    bool passed() const { return kind == Kind::Passed; }
};
Check check(const Inputs &inputs);

// The two optional filters of the summary.
struct Filter
{
    QString nature;      // as typed
    QString fiscalCode;  // as typed

    int count() const;           // filters whose trimmed text is not empty
    QString description() const; // the "Filtri di ricerca" text
    // Each filter given must occur, as typed, in the card's field (A-Z folded).
    bool matches(const QString &natura, const QString &codFisc) const;
};

LineFormat line();

// The register cards of the interval that pass the filters and have a
// nature, with the sum of their amounts.
SummarySums::Result collect(const QString &registerPath, const Filter &filter, const QDate &start,
                            const QDate &end);

QString intervalText(const QString &start, const QString &end);
// The separator and the two lines printed after the list.
QStringList printedTotals(const QString &interval, const QString &total);

} // namespace PayoutRules

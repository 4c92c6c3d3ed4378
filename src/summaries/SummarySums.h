#pragma once
#include "storage/Record.h"
#include "resultlist/ResultLines.h"
#include "resultlist/UnreadableRecord.h"

#include <QList>
#include <QStringList>
#include <functional>
#include <optional>

// A summary's fill: the lines of the records that qualify and running sums
// of some of their amount fields, in one sequential reading of the archive.
namespace SummarySums {

struct Amount
{
    QString field;
    std::function<QString(const char *record)> text;
    // The field's slot when the amount is one field: read without a text
    // allocated for it.
    int offset = -1;
    int capacity = 0;

    template <class R>
    static Amount of(const char *name)
    {
        const int index = RecordLayout<R>::indexOf(QString::fromLatin1(name));
        Q_ASSERT_X(index >= 0, "SummarySums::Amount::of", name);
        return {QString::fromLatin1(name), [index](const char *r) { return RecordLayout<R>::field(r, index); },
                RecordLayout<R>::offsets()[index], R::kFields[index].capacity};
    }
};

struct Result
{
    QStringList lines;                       // file order
    QList<int> records;                      // beside each line, the 0-based number of its record
    QList<double> sums;                      // one per amount, over the listed records
    bool storageFailed = false;              // the archive could not be read to the end
    std::optional<UnreadableRecord> stoppedAt;  // a listed record with an unreadable amount or date
    bool complete() const { return !storageFailed && !stoppedAt; }
};

// `qualifies` gets the record and its 0-based index and may throw
// UnreadableRecord. Whatever stops the reading keeps what was listed so far.
Result collect(const QString &path, int recordSize, const LineFormat &line,
               const std::function<bool(const char *record, int index)> &qualifies,
               const QList<Amount> &amounts);

} // namespace SummarySums

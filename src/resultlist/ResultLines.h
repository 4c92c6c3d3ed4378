#pragma once
#include "storage/Record.h"

#include <QByteArray>
#include <QList>
#include <QVarLengthArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>

// The text lines of the result lists: fixed-width columns, the list order
// and the case folding of the find, all without widgets.
namespace ResultLines {

// A middle column: the text trimmed, then blank-padded or cut to `width`.
QString fit(QStringView text, int width);
// Only A-Z become a-z; accented capitals stay as they are.
QString lowerAscii(QStringView text);
// Whether `lowerKey` (already folded) occurs in `line` with A-Z folded.
bool containsFolded(QStringView line, QStringView lowerKey);

// The list order: character by character by Windows-1252 code with a-z
// compared as A-Z; a text that begins a longer one comes first.
bool lessThan(QStringView a, QStringView b);
// Sorts in that order; lines that compare equal keep their order.
void sort(QStringList &lines);
// The same, moving each line's record number with it (`records` is empty or
// as long as `lines`).
void sort(QStringList &lines, QList<int> &records);

} // namespace ResultLines

// The layout of one kind of line: its columns in order, each with the fixed
// separator text in front of it. Values are decoded from the encoded record,
// one field at a time, so a scan decodes only what the line shows.
class LineFormat
{
public:
    static constexpr int kRest = -1;  // the last column: trimmed, never padded or cut
    struct Column
    {
        QString before;
        std::function<QString(const char *record)> value;  // empty: the stored field below
        int width = kRest;
        int offset = 0;  // of a stored field, decoded straight into the line
        int capacity = 0;
        QString heading;  // the column's name in the heading row above the list
    };

    LineFormat() = default;
    explicit LineFormat(QList<Column> columns) : m_columns(std::move(columns)) {}
    QString build(const char *record) const;

    // Where each column's text starts in a line, in characters; the columns
    // before the last have fixed widths, so this holds for every line.
    QList<int> columnStarts() const;
    // The heading row: each column's name where that column starts, blanks
    // between; empty when no column has a name.
    QString heading() const;
    const QList<Column> &columns() const { return m_columns; }

    // A column holding one field of a record of type R.
    template <class R>
    static Column field(const QString &before, const char *name, int width, const QString &heading = {})
    {
        const int index = RecordLayout<R>::indexOf(QString::fromLatin1(name));
        Q_ASSERT_X(index >= 0, "LineFormat::field", name);
        return {before, {}, width, RecordLayout<R>::offsets()[index], R::kFields[index].capacity, heading};
    }
    // A column of several fields, each trimmed, joined by one blank.
    template <class R>
    static Column joined(const QString &before, std::initializer_list<const char *> names, int width,
                         const QString &heading = {})
    {
        QList<int> indexes;
        for (const char *name : names)
            indexes.append(RecordLayout<R>::indexOf(QString::fromLatin1(name)));
        return {before,
                [indexes](const char *r) {
                    // The trimmed fields and their blanks, decoded into one text.
                    QVarLengthArray<QByteArrayView, 4> parts;
                    qsizetype length = indexes.size() - 1;
                    for (int i : indexes) {
                        parts.append(ShortText::trimmedBytes(RecordLayout<R>::rawField(r, i)));
                        length += parts.last().size();
                    }
                    QString text(qMax<qsizetype>(length, 0), Qt::Uninitialized);
                    QChar *at = text.data();
                    for (qsizetype p = 0; p < parts.size(); ++p) {
                        if (p > 0)
                            *at++ = QChar(u' ');
                        at = Cp1252::decodeInto(at, parts[p].data(), parts[p].size());
                    }
                    return text;
                },
                width,
                0,
                0,
                heading};
    }

private:
    QList<Column> m_columns;
};

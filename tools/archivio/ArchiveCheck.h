#pragma once
#include "ArchiveKinds.h"

#include <QList>
#include <QString>

class QIODevice;

// Reading an archive for the shop and its auditors; the archive is only read.
namespace ArchiveCheck {

struct Problem
{
    qint64 record;  // 1-based; 0 for the file as a whole
    QString text;
};

struct Report
{
    qint64 records = 0;    // whole records
    qint64 tailBytes = 0;  // bytes of an incomplete last record
    QList<Problem> problems;
};

// Every whole record, field by field, and the tail of the file.
Report verify(QIODevice &archive, const ArchiveKinds::Kind &kind);
// The report as the user reads it, one line per problem.
QString describe(const Report &report, const QString &fileName, const ArchiveKinds::Kind &kind);

// All fields of every whole record as UTF-8 CSV (RFC 4180, CRLF) under a
// header of the field names. Returns the number of records written.
qint64 writeCsv(QIODevice &archive, const ArchiveKinds::Kind &kind, QIODevice &out);

} // namespace ArchiveCheck

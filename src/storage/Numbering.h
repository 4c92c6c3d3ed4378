#pragma once
#include <QString>

// The proposed number of a new register card or receipt.
namespace Numbering {
inline QString registerSection() { return QStringLiteral("Numerazione Registro"); }
inline QString receiptSection() { return QStringLiteral("Numerazione Ricevute"); }
inline QString startKey() { return QStringLiteral("Inizio"); }
inline QString yearKey() { return QStringLiteral("Indicazione Anno Solare"); }

// Start value + records already in the archive, with "/year" when the section
// asks for it. Throws StorageError on an unreadable archive or a start value
// that is not a whole number.
QString proposed(const QString &archivePath, int recordSize, const QString &section);
// The pure rule, for callers that already hold the values.
QString compose(const QString &start, const QString &yearOption, int count, int year);
}

#pragma once
#include <QList>
#include <QString>
#include <optional>

// The three archive kinds as the checker sees them: every field with its
// place in the record and what its text must be.
namespace ArchiveKinds {

enum class Content {
    Text,            // anything
    Flag,            // "Sì" or "No"
    Date,            // a date the program can read
    DateOrEmpty,
    AmountOrEmpty,   // a decimal number with a comma
    NumberOrEmpty,   // decimal digits
};

struct Field
{
    QString name;
    int offset;
    int capacity;
    Content content;
};

struct Kind
{
    QString description;  // for the report
    int recordSize;
    QList<Field> fields;
    QString numberField;  // a number no two records may share; empty when none
};

// The kind named by an archive's file name: Registro_Operazioni.vtr,
// Clienti.pro or a four-digit year with ".ric". Nothing for any other name.
std::optional<Kind> forFile(const QString &path);

} // namespace ArchiveKinds

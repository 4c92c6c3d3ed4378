#pragma once
#include <QString>
#include <QStringList>
#include <optional>

// The figures of the law the checks follow. They live in the settings file,
// section "Conformità", so the owner can follow a change of the law.
namespace Compliance {

struct Settings
{
    qint64 cashThresholdCents = 50000;  // "Soglia contanti", 500,00
    int splitDays = 7;                  // "Giorni frazionamento"
    int holdingDays = 10;               // "Giorni detenzione"
};

QString section();         // "Conformità"
QString thresholdKey();    // "Soglia contanti"
QString splitDaysKey();    // "Giorni frazionamento"
QString holdingDaysKey();  // "Giorni detenzione"

// An amount text such as 500,00 in cents; nothing when it is not a positive amount.
std::optional<qint64> parseThreshold(const QString &text);
// A whole number of days from 1 to 3650; nothing otherwise.
std::optional<int> parseDays(const QString &text);
QString formatCents(qint64 cents);  // 500,00

// Reads the three figures from the settings file; a missing file or key
// gives the default. A value that is set but cannot be read also keeps the
// default and is described in `problems`, so the user learns of it.
// Throws StorageError when the file exists but cannot be read.
Settings readSettings(const QString &iniPath, QStringList *problems = nullptr);

} // namespace Compliance

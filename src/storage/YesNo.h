#pragma once
#include <QString>
#include <optional>

// The yes/no flag of the archives: exactly "Sì" or "No".
namespace YesNo {
inline QString yes() { return QStringLiteral("Sì"); }
inline QString no() { return QStringLiteral("No"); }
inline QString of(bool ticked) { return ticked ? yes() : no(); }
// Anything but the two exact texts is no answer (windows show it unticked).
inline std::optional<bool> parse(const QString &text)
{
    if (text == yes())
        return true;
    if (text == no())
        return false;
    return std::nullopt;
}
}

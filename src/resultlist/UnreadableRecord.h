#pragma once
#include <QString>
#include <stdexcept>

// A record that passed a summary's selection but holds an amount or a date
// that cannot be read (only a file written by other means can). The summary
// stops there and says which record it was instead of showing a wrong total.
class UnreadableRecord : public std::runtime_error
{
public:
    UnreadableRecord(int position, const QString &field, const QString &text)
        : std::runtime_error("unreadable record"), position(position), field(field), text(text) {}

    // The message for the user.
    QString message() const
    {
        return QStringLiteral("Attenzione: la scheda n. %1 dell'archivio contiene nel campo %2 "
                              "un valore non leggibile (\"%3\").")
                   .arg(position).arg(field, text)
               + QStringLiteral("\n\r\n\rIl riepilogo è stato interrotto.");
    }

    int position;  // 1-based
    QString field;
    QString text;
};

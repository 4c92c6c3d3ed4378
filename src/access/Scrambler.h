#pragma once
#include <QString>

// The reversible scrambling of the stored passwords: two upper-case hex
// digits per character (low 8 bits of its code), at most 255 characters.
namespace Scrambler {
QString scramble(const QString &text);
// Throws std::invalid_argument on a pair that is not hexadecimal; a last
// unpaired digit is ignored.
QString unscramble(const QString &stored);
// A password the scrambler can keep exactly: up to 255 characters of code <= 255.
bool canKeep(const QString &text);
// The warning for a password canKeep refuses, on every page that stores one.
inline QString cannotKeepWarning()
{
    return QStringLiteral("Attenzione: la nuova password può contenere al massimo 255 caratteri, scelti tra "
                          "lettere, cifre, segni di punteggiatura e lettere accentate dell'alfabeto latino.");
}
}

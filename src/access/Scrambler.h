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
}

#pragma once
#include <QChar>
#include <QStringView>
#include <optional>

// The check character of an Italian personal fiscal code.
namespace FiscalCode {
constexpr int kLength = 16;

// The letter that the first fifteen characters call for; nothing when one of
// them lies outside "0".."Z" (such a code cannot be judged, so it is wrong).
std::optional<QChar> checkCharacter(QStringView firstFifteen);

// Only the length and the check character are examined; a-z count as A-Z.
bool isValid(QStringView code);
}

#pragma once
#include <QString>

// The login password, scrambled in unins000.dll beside the archives.
namespace PasswordFile {
QString path();
// The stored password, unscrambled and trimmed. Throws on an unreadable file
// or a stored value that is not hexadecimal; a missing file reads empty.
QString stored();
// Stores `password` (already in capitals and trimmed). Throws on failure.
void store(const QString &password);
// What the user typed, as it is compared and stored: a-z in capitals, trimmed.
QString normalise(const QString &typed);
// A data folder without a password file gets the initial one, as shipped,
// so that a new folder opens with the initial password. An existing file is
// never replaced; returns false when the file is missing and cannot be made.
bool seedIfMissing();
}

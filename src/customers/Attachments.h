#pragma once
#include <QString>
#include <functional>

// The shared folder of attached files beside the archives.
namespace Attachments {

QString folder();                        // with its trailing separator
QString pathOf(const QString &fileName);  // the file of that name in the folder

// The name under which a file can be kept in a card unchanged: characters
// outside Windows-1252 (and control characters) become "_", blanks around it
// go, and the stem is shortened before the extension to fit the field.
QString storableName(const QString &fileName);
// A stored name that would reach outside the folder (a path separator, "..").
bool isSafeName(const QString &fileName);
// Whether a register or customer card names this attachment.
bool isNamedByACard(const QString &fileName);

enum class CopyResult { Copied, Kept, AlreadyThere, Failed };
struct Copy
{
    CopyResult result;
    QString name;  // what the card stores: the file's name in the folder
};

// Copies `source` into the folder under its storable name, creating the
// folder when needed. A file of that name with the same content is reused;
// one that a card names is never replaced: the copy takes the first free
// "stem (2).ext", "stem (3).ext"...; any other is replaced only when
// `askOverwrite` says yes. The old file survives a copy that fails half way.
Copy copyIn(const QString &source, const std::function<bool()> &askOverwrite);

} // namespace Attachments

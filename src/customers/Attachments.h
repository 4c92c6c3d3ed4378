#pragma once
#include <QString>
#include <functional>

// The shared folder of attached files beside the archives.
namespace Attachments {

QString folder();                        // with its trailing separator
QString pathOf(const QString &fileName);  // the file of that name in the folder

enum class CopyResult { Copied, Kept, AlreadyThere, Failed };

// Copies `source` into the folder under its own name, creating the folder
// when needed. A file of that name is replaced only when `askOverwrite`
// says yes; the old file survives a copy that fails half way.
CopyResult copyIn(const QString &source, const std::function<bool()> &askOverwrite);

} // namespace Attachments

#include "ui/Shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace {
Shell::Opener g_opener;

// Paths come wrapped in double quotes, as the shell verb expects them.
QString unquoted(QString text)
{
    text = text.trimmed();
    if (text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"'))
        text = text.mid(1, text.size() - 2);
    return text;
}
} // namespace

namespace Shell {

void open(const QString &command)
{
    if (g_opener) {
        g_opener(command);
        return;
    }
    const QString target = unquoted(command);
    QUrl url;
    if (target.startsWith(QStringLiteral("mailto:"), Qt::CaseInsensitive))
        url = QUrl(target, QUrl::TolerantMode);
    else if (target.contains(QStringLiteral("://")))
        url = QUrl(target);
    else
        url = QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
    QDesktopServices::openUrl(url);
}

void setOpener(Opener opener) { g_opener = std::move(opener); }

} // namespace Shell

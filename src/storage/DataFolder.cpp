#include "storage/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>
#include <QTemporaryFile>

namespace {
QString g_folder;

QString withSeparator(const QString &folder)
{
    QString p = QDir(folder).absolutePath();
    if (!p.endsWith(u'/'))
        p += u'/';
    return p;
}
} // namespace

namespace DataFolder {

QString path()
{
    if (!g_folder.isEmpty())
        return g_folder;
    return withSeparator(QCoreApplication::applicationDirPath());
}

QString file(const QString &name) { return path() + name; }

void set(const QString &folder) { g_folder = folder.isEmpty() ? QString() : withSeparator(folder); }

void configure(const QStringList &arguments)
{
    const qsizetype at = arguments.indexOf(QStringLiteral("--data-dir"));
    if (at >= 0 && at + 1 < arguments.size()) {
        set(arguments[at + 1]);
        return;
    }
    const QString env = qEnvironmentVariable("VALTRENA_DATA_DIR");
    if (!env.isEmpty())
        set(env);
}

bool isWritable()
{
    QTemporaryFile probe(path() + QStringLiteral(".valtrena-probe-XXXXXX"));
    return probe.open();
}

} // namespace DataFolder

#include "storage/IniFile.h"
#include "storage/StorageError.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

// Any settings file must be read without harm, and a key written into it
// must read back while the other entries survive.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Valtrena.ini"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    try {
        IniFile ini(path);
        const QString before = ini.value(QStringLiteral("Accesso"), QStringLiteral("Utente"));
        ini.setValue(QStringLiteral("Numerazione Registro"), QStringLiteral("Inizio"), QStringLiteral("42"));
        ini.save();
        const IniFile back(path);
        if (back.value(QStringLiteral("Numerazione Registro"), QStringLiteral("Inizio")) != QStringLiteral("42"))
            std::abort();
        (void)before;
    } catch (const StorageError &) {
    }
    return 0;
}

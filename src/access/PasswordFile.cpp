#include "access/PasswordFile.h"
#include "access/Scrambler.h"
#include "storage/DataFolder.h"
#include "storage/IniFile.h"
#include "storage/Record.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {
const QString kSection = QStringLiteral("Accesso");
const QString kKey = QStringLiteral("Valore");
}

namespace PasswordFile {

QString path() { return DataFolder::file(FileNames::password()); }

QString stored()
{
    // Trimmed as typed passwords are: codes 32 and below only, so a no-break
    // space at either end is kept.
    return ShortText::trimmed(Scrambler::unscramble(IniFile::read(path(), kSection, kKey)));
}

void store(const QString &password)
{
    IniFile::write(path(), kSection, kKey, Scrambler::scramble(password).trimmed());
}

QString normalise(const QString &typed)
{
    QString out = typed;
    for (QChar &c : out)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 32);
    return ShortText::trimmed(out);
}

bool seedIfMissing()
{
    if (QFile::exists(path()))
        return true;
    QFile shipped(QStringLiteral(":/access/unins000.dll"));
    QSaveFile file(path());
    return QDir().mkpath(DataFolder::path()) && shipped.open(QIODevice::ReadOnly)
           && file.open(QIODevice::WriteOnly) && file.write(shipped.readAll()) == shipped.size() && file.commit();
}

} // namespace PasswordFile

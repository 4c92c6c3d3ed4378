#include "customers/Attachments.h"
#include "storage/AttachmentFields.h"
#include "storage/Cp1252.h"
#include "storage/DataFolder.h"
#include "storage/Record.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Stem and extension shortened, stem first, until the name fits the field.
QString fitted(QString stem, const QString &tail)
{
    while (stem.size() > 1 && stem.size() + tail.size() > AttachmentFields::kCapacity)
        stem.chop(stem.back().isLowSurrogate() && stem.size() > 2 ? 2 : 1);
    return QString(stem + tail).left(AttachmentFields::kCapacity);
}

QString stemOf(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot > 0 ? name.left(dot) : name;
}

QString extensionOf(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot > 0 ? name.mid(dot) : QString();
}

QByteArray digestOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return {};
    return hash.result();
}

bool sameContent(const QString &a, const QString &b)
{
    if (QFileInfo(a).size() != QFileInfo(b).size())
        return false;
    const QByteArray x = digestOf(a);
    return !x.isEmpty() && x == digestOf(b);
}

bool copyFile(const QString &source, const QString &target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    char buffer[64 * 1024];
    for (;;) {
        const qint64 n = in.read(buffer, sizeof buffer);
        if (n < 0) {
            out.cancelWriting();
            return false;
        }
        if (n == 0)
            break;
        if (out.write(buffer, n) != n) {
            out.cancelWriting();
            return false;
        }
    }
    return out.commit();
}

} // namespace

namespace Attachments {

QString folder() { return DataFolder::path() + QStringLiteral("Documenti_Allegati/"); }

QString pathOf(const QString &fileName) { return folder() + fileName; }

QString storableName(const QString &fileName)
{
    QString name;
    for (qsizetype i = 0; i < fileName.size(); ++i) {
        const QChar c = fileName[i];
        if (c.isHighSurrogate() && i + 1 < fileName.size() && fileName[i + 1].isLowSurrogate()) {
            name += u'_';  // one character, two code units
            ++i;
        } else {
            name += c.unicode() >= 32 && Cp1252::canEncode(c) ? c : QChar(u'_');
        }
    }
    name = ShortText::trimmed(name);
    return fitted(stemOf(name), extensionOf(name));
}

bool isSafeName(const QString &fileName)
{
    return !fileName.contains(u'/') && !fileName.contains(u'\\') && !fileName.contains(QStringLiteral(".."));
}

bool isNamedByACard(const QString &fileName)
{
    const QByteArray wanted = Cp1252::encode(fileName);
    for (const AttachmentFields::Archive &archive : AttachmentFields::archives()) {
        QFile file(DataFolder::file(archive.name()));
        if (!file.exists())
            continue;
        // When the archive cannot be read, the file may be named there.
        if (!file.open(QIODevice::ReadOnly))
            return true;
        QByteArray record(archive.recordSize, Qt::Uninitialized);
        while (file.read(record.data(), record.size()) == record.size()) {
            for (int slot = 0; slot < AttachmentFields::kSlots; ++slot) {
                const char *field = record.constData() + AttachmentFields::fileOffset(archive.recordSize, slot);
                if (ShortText::trimmedBytes(ShortText::rawBytes(field, AttachmentFields::kCapacity)) == wanted)
                    return true;
            }
        }
    }
    return false;
}

Copy copyIn(const QString &source, const std::function<bool()> &askOverwrite)
{
    const QFileInfo from(source);
    const QString name = storableName(from.fileName());
    if (!QDir().mkpath(folder()))
        return {CopyResult::Failed, name};
    const QString target = pathOf(name);
    if (!QFileInfo::exists(target))
        return {copyFile(source, target) ? CopyResult::Copied : CopyResult::Failed, name};
    // Picking the attachment itself, or a copy of it: it is already there.
    if (from.canonicalFilePath() == QFileInfo(target).canonicalFilePath() || sameContent(source, target))
        return {CopyResult::AlreadyThere, name};
    if (!isNamedByACard(name)) {
        if (!askOverwrite())
            return {CopyResult::Kept, name};
        return {copyFile(source, target) ? CopyResult::Copied : CopyResult::Failed, name};
    }
    // Another card's document: the new one goes beside it.
    for (int n = 2;; ++n) {
        const QString candidate = fitted(stemOf(name), QStringLiteral(" (%1)").arg(n) + extensionOf(name));
        const QString path = pathOf(candidate);
        if (!QFileInfo::exists(path))
            return {copyFile(source, path) ? CopyResult::Copied : CopyResult::Failed, candidate};
        if (sameContent(source, path))
            return {CopyResult::AlreadyThere, candidate};
    }
}

} // namespace Attachments

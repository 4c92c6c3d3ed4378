#include "backup/BackupWriter.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QList>

#include <zip.h>
#include <zlib.h>

namespace Backup {

namespace {

const QString kPrefix = QStringLiteral("Valtrena-backup-");

struct Entry
{
    QString source;    // absolute path
    QString name;      // relative path inside the zip, '/' separated
    qint64 size = 0;
};

struct Content
{
    QList<Entry> files;
    QStringList folders;  // relative, with a trailing '/'
};

QString libzipError(zip_t *archive)
{
    return QString::fromLocal8Bit(zip_strerror(archive));
}

QString libzipError(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QString::fromLocal8Bit(zip_error_strerror(&error));
    zip_error_fini(&error);
    return text;
}

// Everything below the data folder except earlier backups (and the
// destination, when it lies inside the data folder), so backups never nest.
bool collect(const QString &dataFolder, const QString &destination, Content &content, QString &error)
{
    const QDir root(dataFolder);
    if (!root.exists() || !root.isReadable()) {
        error = QStringLiteral("impossibile leggere la cartella dei dati ") + QDir::toNativeSeparators(dataFolder)
              + QLatin1Char('.');
        return false;
    }
    const QString rootPath = root.canonicalPath();
    const QString destinationPath = QDir(destination).canonicalPath();
    QDirIterator it(rootPath, QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        const QString name = root.relativeFilePath(path);
        if (info.fileName().startsWith(kPrefix))
            continue;
        if (!destinationPath.isEmpty() && destinationPath != rootPath
            && (path == destinationPath || path.startsWith(destinationPath + QLatin1Char('/'))))
            continue;
        if (info.isDir()) {
            if (!info.isSymLink())
                content.folders.append(name + QLatin1Char('/'));
            continue;
        }
        if (!info.isFile())
            continue;
        if (!info.isReadable()) {
            error = QStringLiteral("impossibile leggere il file ") + QDir::toNativeSeparators(path) + QLatin1Char('.');
            return false;
        }
        content.files.append({info.absoluteFilePath(), name, info.size()});
    }
    return true;
}

// A free name in the destination: an existing file is never replaced.
QString freeZipPath(const QDir &destination, const QDateTime &moment)
{
    const QString base = fileName(moment);
    QString path = destination.filePath(base);
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = destination.filePath(base.chopped(4) + QLatin1Char('-') + QString::number(n) + QStringLiteral(".zip"));
    return path;
}

struct Callbacks
{
    const Progress *progress;
    double from;
    double span;
    bool cancelled = false;
};

void onProgress(zip_t *, double done, void *state)
{
    auto *c = static_cast<Callbacks *>(state);
    if (*c->progress && !(*c->progress)(c->from + c->span * done))
        c->cancelled = true;
}

int onCancel(zip_t *, void *state) { return static_cast<Callbacks *>(state)->cancelled ? 1 : 0; }

// Photos and PDFs are compressed already: storing them saves time, not space.
bool alreadyCompressed(const QString &name)
{
    static const QStringList kinds = {QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("png"),
                                      QStringLiteral("pdf"), QStringLiteral("zip"), QStringLiteral("gz")};
    return kinds.contains(QFileInfo(name).suffix().toLower());
}

bool writeZip(const QString &zipPath, const Content &content, const Progress &progress, Result &result)
{
    int code = 0;
    zip_t *archive = zip_open(QFile::encodeName(zipPath).constData(), ZIP_CREATE | ZIP_EXCL, &code);
    if (!archive) {
        result.error = QStringLiteral("impossibile creare il file ") + QDir::toNativeSeparators(zipPath) + QStringLiteral(" (")
                     + libzipError(code) + QStringLiteral(").");
        return false;
    }
    auto fail = [&](const QString &cause) {
        result.error = cause;
        zip_discard(archive);
        return false;
    };
    for (const QString &folder : content.folders) {
        if (zip_dir_add(archive, folder.toUtf8().constData(), ZIP_FL_ENC_UTF_8) < 0)
            return fail(QStringLiteral("impossibile aggiungere la cartella ") + folder + QStringLiteral(" (")
                        + libzipError(archive) + QStringLiteral(")."));
    }
    for (const Entry &file : content.files) {
        zip_source_t *source = zip_source_file(archive, QFile::encodeName(file.source).constData(), 0, -1);
        if (!source)
            return fail(QStringLiteral("impossibile leggere il file ") + QDir::toNativeSeparators(file.source)
                        + QStringLiteral(" (") + libzipError(archive) + QStringLiteral(")."));
        const zip_int64_t index = zip_file_add(archive, file.name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(source);
            return fail(QStringLiteral("impossibile aggiungere il file ") + file.name + QStringLiteral(" (")
                        + libzipError(archive) + QStringLiteral(")."));
        }
        if (alreadyCompressed(file.name))
            zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_STORE, 0);
    }
    Callbacks callbacks{&progress, 0.0, 0.8};
    zip_register_progress_callback_with_state(archive, 0.01, onProgress, nullptr, &callbacks);
    zip_register_cancel_callback_with_state(archive, onCancel, nullptr, &callbacks);
    // libzip writes into a temporary file beside the target and renames it
    // only when everything is written; a failure removes the temporary file.
    if (zip_close(archive) < 0) {
        if (callbacks.cancelled) {
            result.cancelled = true;
            return fail(QStringLiteral("backup annullato; nessun file è stato scritto."));
        }
        return fail(QStringLiteral("impossibile scrivere il file ") + QDir::toNativeSeparators(zipPath)
                    + QStringLiteral(" (") + libzipError(archive) + QStringLiteral(")."));
    }
    return true;
}

struct Crc
{
    bool ok = false;
    qint64 size = 0;
    quint32 value = 0;
};

Crc sourceCrc(const QString &path)
{
    QFile file(path);
    Crc crc;
    if (!file.open(QIODevice::ReadOnly))
        return crc;
    uLong value = crc32(0L, Z_NULL, 0);
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 n = file.read(chunk.data(), chunk.size());
        if (n < 0)
            return crc;
        if (n == 0)
            break;
        value = crc32(value, reinterpret_cast<const Bytef *>(chunk.constData()), uInt(n));
        crc.size += n;
    }
    crc.ok = true;
    crc.value = quint32(value);
    return crc;
}

// Reads the entry back to its end (libzip checks the stored CRC as it goes)
// and compares size and CRC with the source file.
QString checkEntry(zip_t *archive, const Entry &file)
{
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat(archive, file.name.toUtf8().constData(), ZIP_FL_ENC_UTF_8, &stat) < 0)
        return QStringLiteral("manca ") + file.name;
    const Crc source = sourceCrc(file.source);
    if (!source.ok)
        return QStringLiteral("impossibile rileggere ") + QDir::toNativeSeparators(file.source);
    if (zip_int64_t(stat.size) != source.size || stat.crc != source.value)
        return file.name + QStringLiteral(" non corrisponde all'originale (modificato durante la copia?)");
    zip_file_t *entry = zip_fopen_index(archive, stat.index, 0);
    if (!entry)
        return file.name + QStringLiteral(" illeggibile (") + libzipError(archive) + QLatin1Char(')');
    uLong value = crc32(0L, Z_NULL, 0);
    qint64 read = 0;
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    zip_int64_t n = 0;
    while ((n = zip_fread(entry, chunk.data(), zip_uint64_t(chunk.size()))) > 0) {
        value = crc32(value, reinterpret_cast<const Bytef *>(chunk.constData()), uInt(n));
        read += n;
    }
    const QString entryError = n < 0 ? QString::fromLocal8Bit(zip_file_strerror(entry)) : QString();
    zip_fclose(entry);
    if (n < 0)
        return file.name + QStringLiteral(" illeggibile (") + entryError + QLatin1Char(')');
    if (read != source.size || quint32(value) != source.value)
        return file.name + QStringLiteral(" non corrisponde all'originale");
    return {};
}

bool verify(const QString &zipPath, const Content &content, const Progress &progress, Result &result)
{
    int code = 0;
    zip_t *archive = zip_open(QFile::encodeName(zipPath).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (!archive) {
        result.error = QStringLiteral("la verifica non è riuscita: impossibile riaprire il file (") + libzipError(code)
                     + QStringLiteral(").");
        return false;
    }
    const zip_int64_t expected = content.files.size() + content.folders.size();
    QString problem;
    if (zip_get_num_entries(archive, 0) != expected)
        problem = QStringLiteral("il numero dei file non corrisponde");
    for (qsizetype i = 0; problem.isEmpty() && i < content.files.size(); ++i) {
        problem = checkEntry(archive, content.files[i]);
        if (problem.isEmpty() && progress && !progress(0.8 + 0.2 * double(i + 1) / double(content.files.size()))) {
            result.cancelled = true;
            problem = QStringLiteral("backup annullato");
        }
    }
    zip_discard(archive);
    if (!problem.isEmpty()) {
        result.error = result.cancelled ? QStringLiteral("backup annullato; nessun file è stato scritto.")
                                        : QStringLiteral("la verifica della copia non è riuscita: ") + problem
                                              + QLatin1Char('.');
        return false;
    }
    return true;
}

} // namespace

QString fileName(const QDateTime &moment)
{
    return kPrefix + moment.toString(QStringLiteral("yyyy-MM-dd-HHmm")) + QStringLiteral(".zip");
}

Result write(const QString &dataFolder, const QString &destinationFolder, const QDateTime &moment,
             const Progress &progress)
{
    Result result;
    const QDir destination(destinationFolder);
    if (destinationFolder.isEmpty() || !QFileInfo(destinationFolder).isDir()) {
        result.error = QStringLiteral("la cartella di destinazione ") + QDir::toNativeSeparators(destinationFolder)
                     + QStringLiteral(" non esiste.");
        return result;
    }
    Content content;
    if (!collect(dataFolder, destinationFolder, content, result.error))
        return result;
    if (progress && !progress(0.0)) {
        result.cancelled = true;
        result.error = QStringLiteral("backup annullato; nessun file è stato scritto.");
        return result;
    }
    const QString zipPath = freeZipPath(destination, moment);
    if (!writeZip(zipPath, content, progress, result))
        return result;
    // The file is ours (it did not exist before): a copy that fails its
    // check is removed, so no doubtful backup is ever left to be trusted.
    if (!verify(zipPath, content, progress, result)) {
        QFile::remove(zipPath);
        return result;
    }
    result.ok = true;
    result.zipPath = zipPath;
    result.files = int(content.files.size());
    for (const Entry &file : content.files)
        result.bytes += file.size;
    return result;
}

QString megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / (1024.0 * 1024.0), 'f', 1).replace(QLatin1Char('.'), QLatin1Char(','))
         + QStringLiteral(" MB");
}

QString completionText(const Result &result)
{
    return QStringLiteral("Backup completato: ") + QString::number(result.files) + QStringLiteral(" file (")
         + megabytes(result.bytes) + QStringLiteral(") in ") + QDir::toNativeSeparators(result.zipPath)
         + QLatin1Char('.');
}

}

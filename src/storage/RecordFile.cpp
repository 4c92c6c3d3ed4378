#include "storage/RecordFile.h"
#include "storage/StorageError.h"

#include <QFileInfo>
#include <fcntl.h>
#include <optional>
#include <unistd.h>
#include <vector>

namespace {

// Advisory lock on the whole file, held while counting and appending.
class AppendLock
{
public:
    explicit AppendLock(int fd) : m_fd(fd)
    {
        struct flock lock = {};
        lock.l_type = F_WRLCK;
        lock.l_whence = SEEK_SET;
        while (fcntl(m_fd, F_SETLKW, &lock) == -1 && errno == EINTR) {
        }
    }
    ~AppendLock()
    {
        struct flock lock = {};
        lock.l_type = F_UNLCK;
        lock.l_whence = SEEK_SET;
        fcntl(m_fd, F_SETLK, &lock);
    }
    AppendLock(const AppendLock &) = delete;
    AppendLock &operator=(const AppendLock &) = delete;

private:
    int m_fd;
};

} // namespace

RecordFile::RecordFile(const QString &path, int recordSize)
    : m_file(path), m_recordSize(recordSize)
{
    if (path.isEmpty() || QFileInfo(path).isDir())
        throw StorageError(QStringLiteral("not a file: ") + path);
    // Reading asks for no write access, so that an archive on a read-only
    // medium can still be browsed; only a write reopens it for writing.
    if (m_file.exists()) {
        if (!m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            throw StorageError(m_file.errorString());
    } else if (!m_file.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        // No archive, and none can be made here: it reads as empty, and the
        // first write reports why it cannot be created.
        if (m_file.exists())
            throw StorageError(m_file.errorString());
    }
}

void RecordFile::openForWriting()
{
    if (m_file.isOpen() && m_file.isWritable())
        return;
    if (m_file.isOpen())
        m_file.close();
    if (m_file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return;
    const QString why = m_file.errorString();
    // Reads go on as before the refused write.
    if (m_file.exists())
        m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    throw StorageError(why);
}

RecordFile::~RecordFile()
{
    if (m_file.isOpen())
        m_file.close();
}

int RecordFile::count() const
{
    if (!m_file.isOpen())
        return 0;
    return int(m_file.size() / m_recordSize);
}

QByteArray RecordFile::read(int index)
{
    if (index < 0 || index >= count())
        throw StorageError(QStringLiteral("read past the end"));
    if (!m_file.seek(qint64(index) * m_recordSize))
        throw StorageError(m_file.errorString());
    QByteArray bytes = m_file.read(m_recordSize);
    if (bytes.size() != m_recordSize)
        throw StorageError(QStringLiteral("short read"));
    return bytes;
}

void RecordFile::write(int index, const QByteArray &record)
{
    if (record.size() != m_recordSize || index < 0 || index > count())
        throw StorageError(QStringLiteral("bad record write"));
    openForWriting();
    if (!m_file.seek(qint64(index) * m_recordSize)
        || m_file.write(record) != m_recordSize)
        throw StorageError(m_file.errorString());
}

void RecordFile::underAppendLock(const std::function<void()> &work)
{
    openForWriting();
    AppendLock lock(m_file.handle());
    m_locked = true;
    try {
        work();
    } catch (...) {
        m_locked = false;
        throw;
    }
    m_locked = false;
}

int RecordFile::append(const QByteArray &record)
{
    // Within underAppendLock the lock is held already; releasing it here
    // would end it early, as the lock belongs to the process, not the call.
    std::optional<AppendLock> lock;
    if (!m_locked) {
        openForWriting();
        lock.emplace(m_file.handle());
    }
    const int index = count();
    try {
        write(index, record);
        if (::fsync(m_file.handle()) != 0)
            throw StorageError(QStringLiteral("flush failed"));
    } catch (const StorageError &) {
        // A full disk may have taken part of the record: cut it off again,
        // so the archive never ends in half a record of ours. Should the cut
        // fail too, the count still ignores the torn tail and the next append
        // writes over it.
        const int cut = ::ftruncate(m_file.handle(), off_t(index) * m_recordSize);
        Q_UNUSED(cut);
        throw;
    }
    return index;
}

void RecordFile::scan(const std::function<bool(const char *, int)> &visit)
{
    const int total = count();
    if (total == 0)
        return;
    if (!m_file.seek(0))
        throw StorageError(m_file.errorString());
    const int perBlock = qMax(1, (1 << 18) / m_recordSize);
    std::vector<char> buffer(size_t(perBlock) * size_t(m_recordSize));
    int index = 0;
    while (index < total) {
        const int wanted = qMin(perBlock, total - index);
        const qint64 bytes = qint64(wanted) * m_recordSize;
        if (m_file.read(buffer.data(), bytes) != bytes)
            throw StorageError(QStringLiteral("short read"));
        for (int i = 0; i < wanted; ++i, ++index)
            if (!visit(buffer.data() + size_t(i) * size_t(m_recordSize), index))
                return;
    }
}

void RecordFile::scanSlot(int offset, int length, const std::function<void(const char *, int)> &visit)
{
    if (offset < 0 || length <= 0 || offset + length > m_recordSize)
        throw StorageError(QStringLiteral("slot outside the record"));
    std::vector<char> slot(size_t(length), '\0');
    const int total = count();
    for (int index = 0; index < total; ++index) {
        const off_t at = off_t(index) * m_recordSize + offset;
        if (::pread(m_file.handle(), slot.data(), size_t(length), at) != ssize_t(length))
            throw StorageError(QStringLiteral("short read"));
        visit(slot.data(), index);
    }
}

void RecordFile::close()
{
    if (!m_file.isOpen())
        return;
    const bool flushed = m_file.flush();
    m_file.close();
    if (!flushed || m_file.error() != QFileDevice::NoError)
        throw StorageError(QStringLiteral("close failed"));
}

int countRecords(const QString &path, int recordSize)
{
    RecordFile file(path, recordSize);
    const int n = file.count();
    file.close();
    return n;
}

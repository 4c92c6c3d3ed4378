#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>
#include <functional>

// A headerless file of fixed-size records, opened (or created empty when
// missing) for one operation and closed when the object goes. It is opened
// for reading, and for writing only once something is written, so a
// read-only archive reads; a missing one that cannot be created reads as
// empty. Every failure throws StorageError; an existing file is never
// truncated.
class RecordFile
{
public:
    RecordFile(const QString &path, int recordSize);
    ~RecordFile();
    RecordFile(const RecordFile &) = delete;
    RecordFile &operator=(const RecordFile &) = delete;

    int recordSize() const { return m_recordSize; }
    // Whole records only: a torn tail is not a record.
    int count() const;
    QByteArray read(int index);
    // Overwrites record `index`, or extends the file when index == count().
    void write(int index, const QByteArray &record);
    // Counts and appends under a lock held against other copies of the
    // program on the same file; returns the new record's 0-based index.
    int append(const QByteArray &record);
    // Runs `work` holding the append lock, so that what it reads and writes
    // through this file (append included) is not interleaved with another
    // copy's count and append.
    void underAppendLock(const std::function<void()> &work);
    // Reads every whole record from the first, in large blocks. The callback
    // gets the record bytes and the record's index; returning false stops.
    void scan(const std::function<bool(const char *record, int index)> &visit);
    // The same for one slot of `length` bytes at `offset` in every record,
    // reading only those bytes.
    void scanSlot(int offset, int length, const std::function<void(const char *slot, int index)> &visit);
    // Flushes and releases the file; throws when the flush fails.
    void close();

private:
    void openForWriting();

    QFile m_file;
    int m_recordSize;
    bool m_locked = false;
};

// Number of whole records in an archive, creating it empty when missing.
int countRecords(const QString &path, int recordSize);

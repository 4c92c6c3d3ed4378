#pragma once
#include "customers/CustomerRecord.h"
#include "receipts/ReceiptRecord.h"
#include "register/RegisterRecord.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <functional>

// Register, customer and receipt archives built from records: the bytes of
// the records one after another, written as a whole file. The tests, the
// screenshot tool and the benchmark all build their archives here.
namespace Archives {

template <class R>
QByteArray bytes(const QList<R> &records)
{
    QByteArray out;
    out.reserve(qsizetype(records.size()) * RecordLayout<R>::size);
    for (const R &r : records)
        out += RecordLayout<R>::encode(r);
    return out;
}

// Writes `bytes` as the whole file at `path`, replacing what was there;
// false when it cannot be written in full.
bool writeFile(const QString &path, const QByteArray &bytes);

template <class R>
bool write(const QString &path, const QList<R> &records)
{
    return writeFile(path, bytes(records));
}

// Appends encoded records to a file in large blocks.
class Writer
{
public:
    explicit Writer(const QString &path);
    bool ok() const { return m_ok; }
    void add(const QByteArray &record);
    bool finish();  // writes what is left and closes

private:
    QFile m_file;
    QByteArray m_block;
    bool m_ok;
};

// An archive of `count` records made one by one by `make(index)`, written
// in blocks so that large ones are not held in memory; false when it
// cannot be written in full.
template <class R>
bool writeMany(const QString &path, int count, const std::function<R(int)> &make)
{
    Writer out(path);
    for (int i = 0; i < count && out.ok(); ++i)
        out.add(RecordLayout<R>::encode(make(i)));
    return out.finish();
}

// The archives of the data folder.
QString registerPath();
QString customerPath();
QString receiptPath(const QString &year);  // "<year>.ric"
bool writeRegister(const QList<RegisterRecord> &cards);
bool writeCustomers(const QList<CustomerRecord> &cards);
bool writeReceipts(const QString &year, const QList<ReceiptRecord> &receipts);

} // namespace Archives

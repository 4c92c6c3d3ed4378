#include "Archives.h"
#include "receipts/ReceiptArchive.h"
#include "storage/DataFolder.h"

namespace Archives {

Writer::Writer(const QString &path) : m_file(path)
{
    m_ok = m_file.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

void Writer::add(const QByteArray &record)
{
    m_block += record;
    if (m_block.size() > (1 << 22)) {
        m_ok = m_ok && m_file.write(m_block) == m_block.size();
        m_block.clear();
    }
}

bool Writer::finish()
{
    m_ok = m_ok && m_file.write(m_block) == m_block.size() && m_file.flush();
    m_block.clear();
    m_file.close();
    return m_ok;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    Writer out(path);
    out.add(bytes);
    return out.finish();
}

QString registerPath() { return DataFolder::file(FileNames::registerArchive()); }
QString customerPath() { return DataFolder::file(FileNames::customerArchive()); }
QString receiptPath(const QString &year) { return ReceiptArchive::path(year); }

bool writeRegister(const QList<RegisterRecord> &cards) { return write(registerPath(), cards); }
bool writeCustomers(const QList<CustomerRecord> &cards) { return write(customerPath(), cards); }
bool writeReceipts(const QString &year, const QList<ReceiptRecord> &receipts)
{
    return write(receiptPath(year), receipts);
}

} // namespace Archives

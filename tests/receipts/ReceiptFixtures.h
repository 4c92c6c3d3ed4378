#pragma once
#include "Archives.h"
#include "receipts/ReceiptRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Small receipt archives written straight to disk for the tests.
namespace ReceiptFixtures {

inline ReceiptRecord receipt(const QString &number, const QString &customer)
{
    ReceiptRecord r;
    r.NumRic = number;
    r.Data = QStringLiteral("10/03/2025");
    r.Cliente = customer;
    r.Acconti = QStringLiteral("0,00");
    r.Tassa = QStringLiteral("0,00");
    r.TotCorrispettivi = QStringLiteral("0,00");
    r.Totale = QStringLiteral("0,00");
    r.Saldata = QStringLiteral("No");
    return r;
}

inline QByteArray archive(const QList<ReceiptRecord> &records) { return Archives::bytes(records); }

inline QByteArray archiveOf(const QStringList &customers)
{
    QList<ReceiptRecord> records;
    for (int i = 0; i < customers.size(); ++i)
        records.append(receipt(QString::number(i + 1), customers[i]));
    return archive(records);
}

} // namespace ReceiptFixtures

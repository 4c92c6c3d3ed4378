#pragma once
#include "Archives.h"
#include "customers/CustomerRecord.h"
#include "storage/DataFolder.h"
#include "storage/RecordFile.h"

#include <QList>
#include <QTest>

// Customer cards on disk, written and read through the real record file.
namespace CustomerFixture {

inline QString archive() { return DataFolder::file(FileNames::customerArchive()); }

inline CustomerRecord card(const QString &surname, const QString &name)
{
    CustomerRecord c;
    c.Cognome = surname;
    c.Nome = name;
    c.Decorrenza = QStringLiteral("01/01/2025");
    c.Scadenza = QStringLiteral("01/02/2025");
    c.Preavviso = QStringLiteral("0");
    c.Totale = QStringLiteral("0,00");
    c.Rata = QStringLiteral("0,00");
    return c;
}

inline void write(const QList<CustomerRecord> &cards) { QVERIFY(Archives::write(archive(), cards)); }

inline QList<CustomerRecord> read()
{
    QList<CustomerRecord> out;
    RecordFile file(archive(), CustomerRecordLayout::size);
    for (int i = 0; i < file.count(); ++i)
        out.append(CustomerRecordLayout::decode(file.read(i)));
    file.close();
    return out;
}

} // namespace CustomerFixture

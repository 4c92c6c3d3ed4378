#pragma once
#include "Archives.h"
#include "TestSupport.h"
#include "register/RegisterRecord.h"
#include "storage/DataFolder.h"
#include "ui/RecordWindow.h"

#include <QLineEdit>
#include <QTest>
#include <QWidget>

// Register cards for the list tests, written as real archive bytes.
inline RegisterRecord card(const QString &natura, const QString &descrizione, const QString &cliente = {},
                           const QString &importo = QStringLiteral("0,00"), const QString &venduto = QStringLiteral("No"))
{
    RegisterRecord r;
    r.NumScheda = QStringLiteral("1");
    r.Data = QStringLiteral("15/06/2025");
    r.Natura = natura;
    r.Descrizione = descrizione;
    r.Cliente = cliente;
    r.Importo = importo;
    r.PrezzoVen = QStringLiteral("0,00");
    r.Venduto = venduto;
    return r;
}

inline void writeRegister(const TempDataDir &dir, const QList<RegisterRecord> &cards)
{
    QVERIFY(Archives::write(dir.file(FileNames::registerArchive()), cards));
}

// Stands for the register window: records which cards it was asked to load.
class RegisterStandIn : public QWidget, public RecordWindow
{
    Q_OBJECT
public:
    RegisterStandIn() { setObjectName(QStringLiteral("TfrmRegistro")); }
    QList<int> loaded;
    void loadRecord(int index) override { loaded.append(index); }
};

// Stands for the receipt window: its thirty description and price fields.
class ReceiptStandIn : public QWidget
{
public:
    ReceiptStandIn()
    {
        setObjectName(QStringLiteral("TfrmRicevute"));
        for (int i = 1; i <= 30; ++i)
            for (const char *prefix : {"txtDesc", "txtPrezzo"}) {
                auto *e = new QLineEdit(this);
                e->setObjectName(QLatin1StringView(prefix) + QString::number(i).rightJustified(2, u'0'));
            }
    }
};

#pragma once
#include "customers/CustomerRecord.h"
#include "receipts/ReceiptRecord.h"
#include "register/RegisterRecord.h"

#include <QByteArray>
#include <QPair>
#include <QString>

// What the save worker writes, read back: the worker's tag and the card's
// sequence number, from the register, the customer registry or a receipt archive.
namespace WorkerArchive {

enum class Kind { Register, Customer, Receipt };

struct KindInfo
{
    const char *argument;
    const char *fileName;
    int recordSize;
};

inline KindInfo info(Kind k)
{
    switch (k) {
    case Kind::Register: return {"register", "Registro_Operazioni.vtr", RegisterRecordLayout::size};
    case Kind::Customer: return {"customer", "Clienti.pro", CustomerRecordLayout::size};
    case Kind::Receipt: break;
    }
    return {"receipt", "2025.ric", ReceiptRecordLayout::size};
}

inline QString argument(Kind k) { return QLatin1StringView(info(k).argument); }
inline QString fileName(Kind k) { return QLatin1StringView(info(k).fileName); }
inline int recordSize(Kind k) { return info(k).recordSize; }

// (tag, number) of a record, or an empty tag when it is not a whole card
// of the worker.
inline QPair<QString, int> card(Kind k, const char *record)
{
    QString tag, mark;
    if (k == Kind::Register) {
        const RegisterRecord r = RegisterRecordLayout::decode(record);
        tag = r.Cliente;
        mark = r.Descrizione;
        if (r.Venduto != u"No" || r.Natura != u"Oro giallo")
            return {};
    } else if (k == Kind::Customer) {
        const CustomerRecord r = CustomerRecordLayout::decode(record);
        tag = r.Cognome;
        mark = r.Nome;
        if (r.Preavviso != u"0" || r.Decorrenza.isEmpty())
            return {};
    } else {
        const ReceiptRecord r = ReceiptRecordLayout::decode(record);
        tag = r.Cliente;
        mark = r.Note;
        if (r.Saldata != u"No" || r.Data.isEmpty())
            return {};
    }
    bool ok = false;
    const int n = mark.toInt(&ok);
    return ok ? qMakePair(tag, n) : QPair<QString, int>{};
}

// The card or receipt number of a record; empty for the customer registry.
inline QString number(Kind k, const char *record)
{
    if (k == Kind::Register)
        return RegisterRecordLayout::decode(record).NumScheda;
    if (k == Kind::Receipt)
        return ReceiptRecordLayout::decode(record).NumRic;
    return {};
}

} // namespace WorkerArchive

Q_DECLARE_METATYPE(WorkerArchive::Kind)

#pragma once
#include "receipts/ReceiptRecord.h"
#include "register/RegisterRecord.h"

#include <QByteArray>
#include <QPair>
#include <QString>

// What the save worker writes, read back: the worker's tag and the card's
// sequence number, from the register or from a receipt archive.
namespace WorkerArchive {

enum class Kind { Register, Receipt };

inline QString argument(Kind k) { return k == Kind::Register ? QStringLiteral("register") : QStringLiteral("receipt"); }
inline QString fileName(Kind k)
{
    return k == Kind::Register ? QStringLiteral("Registro_Operazioni.vtr") : QStringLiteral("2025.ric");
}
inline int recordSize(Kind k) { return k == Kind::Register ? RegisterRecordLayout::size : ReceiptRecordLayout::size; }

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

} // namespace WorkerArchive

Q_DECLARE_METATYPE(WorkerArchive::Kind)

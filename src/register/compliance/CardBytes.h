#pragma once
#include "register/RegisterRecord.h"

#include <QByteArrayView>
#include <optional>

// Reading the facts the rules need straight from an encoded register card,
// without decoding it: the whole-register check looks at every card.
namespace CardBytes {

enum Field : int {
    NumScheda, Data, Ora, Importo, Transazione, Mezzo, Caratteristiche, Natura, Quotazione, Cliente,
    CodFisc, DataNasc, LuogoNasc, ProvNasc, Sesso, TipoDoc, NumDoc, EnteRil, DataRil, DataSca,
    Compratore, Destinazione, DataVen, Descrizione, Valutazione, PrezzoVen, Venduto
};
const char *name(Field field);  // "NumScheda"...

// The field's bytes with blanks and control characters at either end removed.
inline QByteArrayView trimmed(const char *record, Field field)
{
    return ShortText::trimmedBytes(RegisterRecordLayout::rawField(record, field));
}
inline bool empty(const char *record, Field field) { return trimmed(record, field).isEmpty(); }

// A date as the program reads one (d/m[/y], one- or two-digit years near
// today's): its Julian day, or nothing when it does not exist.
std::optional<qint64> day(QByteArrayView text);
// hh:mm or h:mm naming a real time of day.
bool isTime(QByteArrayView text);
// An amount with a comma in cents, decimals after the second dropped;
// nothing when the text is not a number.
std::optional<qint64> cents(QByteArrayView text);
// Whether `text` holds `lowerWord` with A-Z folded.
bool containsFolded(QByteArrayView text, QByteArrayView lowerWord);
// The text with A-Z folded to a-z.
QByteArray folded(QByteArrayView text);

} // namespace CardBytes

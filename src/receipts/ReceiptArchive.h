#pragma once
#include <QString>
#include <array>

// The yearly receipt archives and the settings the receipt window keeps.
namespace ReceiptArchive {

// "<year>.ric" in the data folder, the year trimmed but otherwise as typed.
QString path(const QString &year);

// Two-digit line number as used in control names and caller tokens: 7 -> "07".
QString lineNumber(int line);
QString lineControl(const char *prefix, int line);  // ("txtDesc", 7) -> "txtDesc07"

} // namespace ReceiptArchive

// The issuer data and the default stamp duty, saved when the receipt window
// closes and read back when it is shown.
namespace IssuerSettings {

inline QString section() { return QStringLiteral("Ditta Emittente"); }

struct Key
{
    const char *control;
    const char16_t *key;
};

constexpr std::array<Key, 10> kKeys{{
    {"txtDitta", u"Nome"},
    {"txtViaDitta", u"Indirizzo"},
    {"txtCapDitta", u"CAP"},
    {"txtCittaDitta", u"Comune"},
    {"txtProvDitta", u"Provincia"},
    {"txtIvaDitta", u"Partita IVA"},
    {"txtCodFiscDitta", u"Codice Fiscale"},
    {"txtLibero01", u"Campo Libero 1"},
    {"txtLibero02", u"Campo Libero 2"},
    {"txtTassa", u"Tassa"},
}};

} // namespace IssuerSettings

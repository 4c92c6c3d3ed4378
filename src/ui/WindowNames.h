#pragma once
#include <QLatin1StringView>
#include <QObject>
#include <QString>

// The program finds its windows and dialogs by class name. A window names
// itself, and any caller that has the class at hand names it, through
// of<T>(), so a renamed class renames its window; a caller in another area,
// which must not see that class, uses the constant here.
namespace WindowNames {

template <class T>
QString of()
{
    static_assert(QtPrivate::HasQ_OBJECT_Macro<T>::Value, "a window found by class name needs its own Q_OBJECT");
    return QString::fromLatin1(T::staticMetaObject.className());
}

inline constexpr QLatin1StringView allegaCartella{"TfrmAllegaCartella"};
inline constexpr QLatin1StringView anagrafica{"TfrmAnagrafica"};
inline constexpr QLatin1StringView anteprimaReg{"TfrmAnteprimaReg"};
inline constexpr QLatin1StringView anteprimaRicevuta{"TfrmAnteprimaRicevuta"};
inline constexpr QLatin1StringView avvio{"TfrmAvvio"};
inline constexpr QLatin1StringView calendario{"TfrmCalendario"};
inline constexpr QLatin1StringView carta{"TfrmCarta"};
inline constexpr QLatin1StringView cartella{"TfrmCartella"};
inline constexpr QLatin1StringView codFisc{"TfrmCodFisc"};
inline constexpr QLatin1StringView conformita{"TfrmConformita"};
inline constexpr QLatin1StringView daRinnovare{"TfrmDaRinnovare"};
inline constexpr QLatin1StringView daVendere{"TfrmDaVendere"};
inline constexpr QLatin1StringView expClienti{"TfrmExpClienti"};
inline constexpr QLatin1StringView expRegistro{"TfrmExpRegistro"};
inline constexpr QLatin1StringView expRicevute{"TfrmExpRicevute"};
inline constexpr QLatin1StringView iban{"TfrmIban"};
inline constexpr QLatin1StringView logo{"TfrmLogo"};
inline constexpr QLatin1StringView menuRicevute{"TfrmMenuRicevute"};
inline constexpr QLatin1StringView menuRiepCosti{"TfrmMenuRiepCosti"};
inline constexpr QLatin1StringView menuRiepilogo{"TfrmMenuRiepilogo"};
inline constexpr QLatin1StringView partitaIva{"TfrmPartitaIva"};
inline constexpr QLatin1StringView password{"TfrmPassword"};
inline constexpr QLatin1StringView pdfRicevuta{"TfrmPDF_Ricevuta"};
inline constexpr QLatin1StringView registro{"TfrmRegistro"};
inline constexpr QLatin1StringView ricevute{"TfrmRicevute"};
inline constexpr QLatin1StringView riepAnnuale{"TfrmRiepAnnuale"};
inline constexpr QLatin1StringView riepCosti{"TfrmRiepCosti"};
inline constexpr QLatin1StringView riepilogo{"TfrmRiepilogo"};
inline constexpr QLatin1StringView riepMensile{"TfrmRiepMensile"};
inline constexpr QLatin1StringView riepTrimestrale{"TfrmRiepTrimestrale"};
inline constexpr QLatin1StringView segnalazioni{"TfrmSegnalazioni"};
inline constexpr QLatin1StringView sospese{"TfrmSospese"};
inline constexpr QLatin1StringView stampaReg{"TfrmStampaReg"};
inline constexpr QLatin1StringView stampaRegistro{"TfrmStampaRegistro"};
inline constexpr QLatin1StringView stampaRicevuta{"TfrmStampaRicevuta"};
inline constexpr QLatin1StringView statistiche{"TfrmStatistiche"};
inline constexpr QLatin1StringView trovaClienti{"TfrmTrovaClienti"};
inline constexpr QLatin1StringView trovaRegistro{"TfrmTrovaRegistro"};
inline constexpr QLatin1StringView trovaRicevute{"TfrmTrovaRicevute"};
inline constexpr QLatin1StringView verificaConformita{"TfrmVerificaConformita"};

} // namespace WindowNames

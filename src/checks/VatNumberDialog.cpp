#include "checks/VatNumberDialog.h"
#include "ui/WindowNames.h"
#include "checks/VatNumber.h"

#include <QLineEdit>

TfrmPartitaIva::TfrmPartitaIva(QWidget *parent)
    : CheckDialog({WindowNames::of<TfrmPartitaIva>(), QStringLiteral(" Controllo partita IVA"),
                   QStringLiteral("Immettere il numero di partita IVA e premere il pulsante di controllo."),
                   QStringLiteral("txtPartitaIva"), VatNumber::kLength, true, Tidy::AsTyped,
                   CheckPicture::Kind::VatNumber},
                  parent),
      txtPartitaIva(input())
{
}

void TfrmPartitaIva::btnControllaClick()
{
    const QString number = txtPartitaIva->text().toUpper();
    if (number.size() != VatNumber::kLength) {
        warnAndStay(QStringLiteral(
            "Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."));
        return;
    }
    if (!VatNumber::isValid(number)) {
        tellAndClose(MessageKind::Warning,
                     QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                                    "Non è quindi possibile fornire informazioni relative all'Ufficio IVA "
                                    "che lo ha rilasciato."));
        return;
    }
    QString text = QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.");
    // A code no office is known by gets no half sentence naming nobody.
    const QString office = VatNumber::officeName(number);
    if (!office.isEmpty())
        text += QStringLiteral("\r\n\r\nE' stato rilasciato dall'Ufficio IVA del Comune di ") + office + u'.';
    tellAndClose(MessageKind::Information, text);
}

#include "checks/IbanDialog.h"
#include "ui/WindowNames.h"
#include "checks/Iban.h"

#include <QLineEdit>

TfrmIban::TfrmIban(QWidget *parent)
    : CheckDialog({WindowNames::of<TfrmIban>(), QStringLiteral(" Controllo IBAN"),
                   QStringLiteral("Immettere l'IBAN e premere il pulsante di controllo."),
                   QStringLiteral("txtIban"), Iban::kLength, false, Tidy::TrimmedUpperAscii,
                   CheckPicture::Kind::Iban},
                  parent),
      txtIban(input())
{
}

void TfrmIban::btnControllaClick()
{
    const QString iban = txtIban->text().trimmed();
    if (iban.size() != Iban::kLength) {
        warnAndStay(QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici."));
        return;
    }
    if (Iban::passes(iban))
        tellAndClose(MessageKind::Information, QStringLiteral("L'IBAN digitato è VALIDO."));
    else
        tellAndClose(MessageKind::Warning, QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!"));
}

#include "checks/FiscalCodeDialog.h"
#include "ui/WindowNames.h"
#include "ui/FieldBehaviour.h"
#include "checks/FiscalCode.h"

#include <QLineEdit>

TfrmCodFisc::TfrmCodFisc(QWidget *parent)
    : CheckDialog({WindowNames::of<TfrmCodFisc>(), QStringLiteral(" Controllo codice fiscale"),
                   QStringLiteral("Immettere il codice fiscale e premere il pulsante di controllo."),
                   QStringLiteral("txtCodFisc"), FiscalCode::kLength, false, Tidy::TrimmedUpperAscii,
                   CheckPicture::Kind::FiscalCode},
                  parent),
      txtCodFisc(input())
{
}

void TfrmCodFisc::btnControllaClick()
{
    const QString code = FieldBehaviour::upperAscii(txtCodFisc->text());
    if (code.size() != FiscalCode::kLength) {
        warnAndStay(QStringLiteral(
            "Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."));
        return;
    }
    if (FiscalCode::isValid(code))
        tellAndClose(MessageKind::Information, QStringLiteral("Il codice fiscale digitato è VALIDO."));
    else
        tellAndClose(MessageKind::Warning, QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO."));
}

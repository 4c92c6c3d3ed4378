#include "checks/CardDialog.h"
#include "ui/WindowNames.h"
#include "checks/PaymentCard.h"

#include <QLineEdit>

TfrmCarta::TfrmCarta(QWidget *parent)
    : CheckDialog({WindowNames::of<TfrmCarta>(), QStringLiteral(" Controllo carta di credito"),
                   QStringLiteral("Immettere il numero di carta di credito e premere il pulsante di controllo."),
                   QStringLiteral("txtNumero"), 30, true, Tidy::TrimmedUpper,
                   CheckPicture::Kind::PaymentCard},
                  parent),
      txtNumero(input())
{
}

void TfrmCarta::btnControllaClick()
{
    const QString number = txtNumero->text().trimmed();
    if (number.isEmpty()) {
        warnAndStay(QStringLiteral("Attenzione: immettere il numero di carta di credito prima di premere "
                                   "il pulsante di controllo."));
        return;
    }
    const int result = PaymentCard::checkResult(txtNumero->text());
    if (result < 1 || result > 4) {
        tellAndClose(MessageKind::Warning,
                     QStringLiteral("Attenzione: il numero digitato risulta ERRATO!\r\n\r\n"
                                    "Non è quindi possibile fornire informazioni relative al tipo di "
                                    "carta di credito."));
        return;
    }
    // A number of no known type closes without a word.
    const QString type = PaymentCard::typeShown(number);
    tellAndClose(MessageKind::Information,
                 type.isEmpty() ? QString()
                                : QStringLiteral("Il numero di carta di credito ") + number
                                      + QStringLiteral(" risulta valido.\r\n\r\nLa carta di credito è del tipo ")
                                      + type + u'.');
}

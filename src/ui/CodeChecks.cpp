#include "ui/CodeChecks.h"
#include "ui/Dialogs.h"
#include "storage/AmountText.h"

namespace {
void openCheck(QWidget *parent, const char *dialog, const char *input, const QString &text)
{
    Dialogs::open(QLatin1StringView(dialog), parent, {{QLatin1StringView(input), text.trimmed()}});
}
}

namespace CodeChecks {

void openFiscalCode(QWidget *parent, const QString &fieldText)
{
    const QString code = fieldText.trimmed();
    if (!code.isEmpty() && AmountText::isDigitsOnly(code))
        openVat(parent, code);
    else
        openCheck(parent, "TfrmCodFisc", "txtCodFisc", code);
}

void openVat(QWidget *parent, const QString &t) { openCheck(parent, "TfrmPartitaIva", "txtPartitaIva", t); }
void openCard(QWidget *parent, const QString &t) { openCheck(parent, "TfrmCarta", "txtNumero", t); }
void openIban(QWidget *parent, const QString &t) { openCheck(parent, "TfrmIban", "txtIban", t); }

} // namespace CodeChecks

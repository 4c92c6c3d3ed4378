#include "ui/CodeChecks.h"
#include "ui/Dialogs.h"
#include "ui/WindowNames.h"
#include "storage/AmountText.h"

namespace {
void openCheck(QWidget *parent, QLatin1StringView dialog, const char *input, const QString &text)
{
    Dialogs::open(dialog, parent, {{QLatin1StringView(input), text.trimmed()}});
}
}

namespace CodeChecks {

void openFiscalCode(QWidget *parent, const QString &fieldText)
{
    const QString code = fieldText.trimmed();
    if (!code.isEmpty() && AmountText::isDigitsOnly(code))
        openVat(parent, code);
    else
        openCheck(parent, WindowNames::codFisc, "txtCodFisc", code);
}

void openVat(QWidget *parent, const QString &t) { openCheck(parent, WindowNames::partitaIva, "txtPartitaIva", t); }
void openCard(QWidget *parent, const QString &t) { openCheck(parent, WindowNames::carta, "txtNumero", t); }
void openIban(QWidget *parent, const QString &t) { openCheck(parent, WindowNames::iban, "txtIban", t); }

} // namespace CodeChecks

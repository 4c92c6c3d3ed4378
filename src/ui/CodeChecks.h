#pragma once
#include <QString>

class QWidget;

// The check buttons beside fiscal codes, VAT numbers, cards and IBANs.
namespace CodeChecks {
// A fiscal-code field holding digits only is a company's VAT number.
void openFiscalCode(QWidget *parent, const QString &fieldText);
void openVat(QWidget *parent, const QString &fieldText);
void openCard(QWidget *parent, const QString &fieldText);
void openIban(QWidget *parent, const QString &fieldText);
}

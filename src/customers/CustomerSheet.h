#pragma once
#include "customers/CustomerRecord.h"

#include <QList>
#include <QString>

// The content of the one-page customer card print: 24 titled rows.
namespace CustomerSheet {

struct Row
{
    QString title;
    QString value;
};

QString title();  // "SCHEDA ANAGRAFICA CLIENTE"
// The rows of a card as shown on screen (fields trimmed).
QList<Row> rows(const CustomerRecord &card);
// "Stampa eseguita in data dd/mm/yyyy alle ore hh:mm:ss", from the clock.
QString footer();

} // namespace CustomerSheet

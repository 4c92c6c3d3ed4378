#pragma once
#include <QString>
#include <QStringList>

// What a printed result list holds. The list report is one landscape A4
// page layout with a title band, one text band that runs over as many
// pages as it needs, and a footer with the date (and time) of printing.
struct ListPrintout
{
    enum class Footer { Date, DateAndTime };

    QString reportName = QStringLiteral("Riepilogo dati");
    QString title;
    QStringList text;  // the list's lines, then any separator and totals lines
    Footer footer = Footer::Date;
};

// How a window prints its list.
enum class PrintVariant {
    Simple,               // no check, no question
    WithTotals,           // the lines, a separator and the window's totals lines
    ConfirmedWithTotals,  // refuses an empty list, asks before printing
};

#pragma once
#include <QList>
#include <QString>

// Where one exported value lives inside an encoded record.
struct FieldSlot
{
    int offset = 0;
    int capacity = 0;
};

// One column of an exported archive: a field, or two fields joined by a blank.
struct ExportColumn
{
    QString title;      // title row of the file
    QString gridTitle;  // column title on screen
    int width = 0;      // column width written into the file
    bool editable = false;
    QList<FieldSlot> parts;
};

// Everything that tells one archive's export from another's.
struct ExportSheet
{
    QString worksheet;  // the worksheet name spreadsheet programs show
    QString fileName;   // written into the data folder
    int recordSize = 0;
    QList<ExportColumn> columns;
};

namespace ExportSheets {
const ExportSheet &registerSheet();
const ExportSheet &customerSheet();
const ExportSheet &receiptSheet();
// The shop's name that ends the title of the customers' "sold to" column.
QString tradeName();
}

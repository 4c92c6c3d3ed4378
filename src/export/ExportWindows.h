#pragma once
#include "ui/Guide.h"
#include "export/ExportWindow.h"

#include <QList>

// The export window of each archive.

class TfrmExpRegistro : public ExportWindow
{
    Q_OBJECT
public:
    explicit TfrmExpRegistro(QWidget *parent = nullptr);
};

class TfrmExpClienti : public ExportWindow
{
    Q_OBJECT
public:
    explicit TfrmExpClienti(QWidget *parent = nullptr);
};

// Exports the receipts of the year open in the receipt window.
class TfrmExpRicevute : public ExportWindow
{
    Q_OBJECT
public:
    explicit TfrmExpRicevute(QWidget *parent = nullptr);
};

// Adds the help of the three export windows (register, customers, receipts)
// to the help table.
void addExportHelp();

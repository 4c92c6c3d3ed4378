#pragma once
#include "export/ExportWindow.h"

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

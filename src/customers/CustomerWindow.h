#pragma once
#include "app/ui/AreaWindow.h"

class TfrmAnagrafica : public AreaWindow
{
    Q_OBJECT
public:
    explicit TfrmAnagrafica(QWidget *parent = nullptr);
};

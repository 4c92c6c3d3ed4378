#pragma once
#include "app/ui/AreaWindow.h"

class TfrmMenuRicevute : public AreaWindow
{
    Q_OBJECT
public:
    explicit TfrmMenuRicevute(QWidget *parent = nullptr);
};

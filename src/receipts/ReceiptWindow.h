#pragma once
#include "app/ui/AreaWindow.h"

class TfrmRicevute : public AreaWindow
{
    Q_OBJECT
public:
    explicit TfrmRicevute(QWidget *parent = nullptr);
};

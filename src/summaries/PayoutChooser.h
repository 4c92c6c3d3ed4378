#pragma once
#include "app/ui/AreaWindow.h"

class TfrmMenuRiepCosti : public AreaWindow
{
    Q_OBJECT
public:
    explicit TfrmMenuRiepCosti(QWidget *parent = nullptr);
};

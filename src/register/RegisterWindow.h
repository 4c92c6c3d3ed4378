#pragma once
#include "app/ui/AreaWindow.h"

class TfrmRegistro : public AreaWindow
{
    Q_OBJECT
public:
    explicit TfrmRegistro(QWidget *parent = nullptr);
};

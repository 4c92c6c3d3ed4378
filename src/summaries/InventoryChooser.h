#pragma once
#include "app/ui/AreaWindow.h"

class TfrmMenuRiepilogo : public AreaWindow
{
    Q_OBJECT
public:
    explicit TfrmMenuRiepilogo(QWidget *parent = nullptr);
};

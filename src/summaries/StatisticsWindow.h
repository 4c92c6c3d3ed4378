#pragma once
#include "app/ui/AreaWindow.h"

class TfrmStatistiche : public AreaWindow
{
    Q_OBJECT
public:
    explicit TfrmStatistiche(QWidget *parent = nullptr);
};

#pragma once
#include "app/ui/AreaWindow.h"

// The main menu: six work areas and four small icons. Closing it ends the program.
class TfrmAvvio : public AreaWindow
{
    Q_OBJECT
public:
    explicit TfrmAvvio(QWidget *parent = nullptr);

public slots:
    void openArea(const QString &windowClass);
    void imgInfoClick();
    void imgGuidaClick();
    void imgCopyrightClick();
    void imgEsciClick();
    void icoSitoClick();

protected:
    void formClose() override;
};

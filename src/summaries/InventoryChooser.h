#pragma once
#include "ui/AreaWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The inventory chooser: an optional nature-and-quality filter, then
// "Visualizza" opens the inventory.
class TfrmMenuRiepilogo : public AreaWindow
{
    Q_OBJECT
public:
    explicit TfrmMenuRiepilogo(QWidget *parent = nullptr);

public slots:
    void btnVisualizzaMouseDown();
    void btnVisualizzaClick();
    void imgEsciClick();
    void imgGuidaClick();

protected:
    void formShow() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *txtTipologia;
    QPushButton *btnVisualizza;
    QLabel *lblAttendere;
};

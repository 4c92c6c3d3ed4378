#pragma once
#include "ui/AreaWindow.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The payout chooser: a year, two optional filters and an interval of that
// year, checked before the payout summary opens over it.
class TfrmMenuRiepCosti : public AreaWindow
{
    Q_OBJECT
public:
    explicit TfrmMenuRiepCosti(QWidget *parent = nullptr);

public slots:
    void impClienteClick();
    void btnVisualizzaClick();
    void txtAnnoChange();

protected:
    void formShow() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildFilters(QWidget *parent);
    QWidget *buildInterval(QWidget *parent, const QString &title, const char *day, const char *month, const char *year,
                           QComboBox **dayField, QComboBox **monthField, QLabel **yearLabel);
    void refuse(const QString &message, bool warning, const QString &focus);

    QLineEdit *txtAnno;
    QLineEdit *txtEsecutore;
    QLineEdit *txtCCP;
    QComboBox *txtGiornoInizio;
    QComboBox *txtMeseInizio;
    QComboBox *txtGiornoFine;
    QComboBox *txtMeseFine;
    QLabel *lblAnnoInizio;
    QLabel *lblAnnoFine;
    QLabel *lblDataInizio;
    QLabel *lblDataFine;
    QLabel *lblFile;
    QLabel *lblAttendere;
    QPushButton *btnVisualizza;
};

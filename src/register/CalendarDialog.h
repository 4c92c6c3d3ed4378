#pragma once
#include <QDialog>

class QCalendarWidget;

// Picks a date for a date field of the register window; the caller token
// says which field receives it.
class TfrmCalendario : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmCalendario(QWidget *parent = nullptr);

public slots:
    void btnImportaDataClick();
    void btnAnnullaClick();

private:
    QCalendarWidget *calAppuntamenti;
};

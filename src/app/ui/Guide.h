#pragma once
#include <QDialog>

class QLabel;
class QPlainTextEdit;

// The help window every help button opens with its area's title and text.
class TfrmGuida : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmGuida(QWidget *parent = nullptr);
    // Creates a fresh guide, shows it modally and destroys it.
    static void open(QWidget *parent, const QString &title, const QString &text);

public slots:
    void lnkWebClick();

private:
    QLabel *lblTitolo;
    QPlainTextEdit *txtGuida;
};

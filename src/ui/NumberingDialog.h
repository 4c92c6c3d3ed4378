#pragma once
#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;

// Edits the start number and the year option of one numbering section;
// the caller token ("registro" or "ricevute") says which.
class TfrmNumerazione : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmNumerazione(QWidget *parent = nullptr);
    // Opens the dialog for a caller with its token and caption.
    static void open(QWidget *parent, const QString &token, const QString &caption);

public slots:
    void formShow();
    void txtInizioExit();
    void btnApplicaClick();
    void btnAnnullaClick();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString section() const;
    QLineEdit *txtInizio;
    QCheckBox *chkTipo;
};

#pragma once
#include <QDialog>

class QLabel;

// Opens the folder reserved to one customer card (Cliente_<n> beside the
// archives), creating it on first use. lblMemory holds the card's number.
class TfrmCartella : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmCartella(QWidget *parent = nullptr);

    // The folder of card `number` (1-based), with no trailing separator.
    static QString folderOf(const QString &number);

public slots:
    void btnApriCartellaClick();
    void btnChiudiClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *lblPercorso;
};

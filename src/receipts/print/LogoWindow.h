#pragma once
#include <QDialog>
#include <QImage>

class QLabel;
class QPushButton;
class QToolButton;

// " Impostazione Logo Ditta": chooses the company logo printed on receipts
// and register cards, kept as Logo.bmp beside the archives.
class TfrmLogo : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmLogo(QWidget *parent = nullptr);
    QImage shownLogo() const { return m_logo; }

private slots:
    void btnSfogliaClick();
    void btnCancLogoClick();
    void imgEuroClick();
    void btnApplicaClick();

private:
    void showLogo(const QImage &logo);

    QLabel *imgLogo;
    QPushButton *btnSfoglia;
    QToolButton *btnCancLogo;
    QToolButton *imgEuro;
    QPushButton *btnApplica;
    QPushButton *btnAnnulla;
    QImage m_logo;
};

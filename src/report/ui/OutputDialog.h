#pragma once
#include "report/Pictures.h"

#include <QDialog>

class QLabel;
class QPushButton;

// The small fixed window that prints, previews or exports a page: an
// illustration, a line of explanation, the action button btnStampa and
// btnAnnulla. Centred on its owner.
class OutputDialog : public QDialog
{
    Q_OBJECT
public:
    OutputDialog(QWidget *parent, const QString &caption, Report::Pictures::Illustration illustration,
                 const QString &actionCaption, const QString &explanation);

protected slots:
    virtual void btnStampaClick() = 0;
    void btnAnnullaClick() { reject(); }

protected:
    QLabel *imgIllustrazione;
    QLabel *lblSpiegazione;
    QPushButton *btnStampa;
    QPushButton *btnAnnulla;
};

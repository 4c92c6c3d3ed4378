#pragma once
#include "ui/AreaWindow.h"

#include <QList>

class QLabel;
class QToolButton;

// The main menu: six work areas five small icons and the age of the last backup. Closing it ends the program.
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
    void imgBackupClick();
    void imgEsciClick();
    void icoSitoClick();

protected:
    void formShow() override;
    void formClose() override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QLabel *lblUltimoBackup;  // age of the last successful backup
    bool m_toldReadOnly = false;
    QList<QToolButton *> m_areaPictures;
};

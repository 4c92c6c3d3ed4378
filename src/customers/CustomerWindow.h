#pragma once
#include "ui/AreaWindow.h"
#include "ui/RecordWindow.h"

#include <memory>

class ArchiveNavigator;
class CardChanges;
class QLabel;
class QLineEdit;

// The customer registry: one card of Clienti.pro at a time.
class TfrmAnagrafica : public AreaWindow, public RecordWindow
{
    Q_OBJECT
public:
    explicit TfrmAnagrafica(QWidget *parent = nullptr);
    ~TfrmAnagrafica() override;

    // Shows record `index` (0-based) of the archive, as the search does.
    Q_INVOKABLE void loadCard(int index);
    void loadRecord(int index) override { loadCard(index); }

public slots:
    void cmdNuovoClick();
    void cmdSalvaClick();
    void cmdTrovaClick();
    void cmdCartellaClick();
    void cmdFileClick();
    void cmdStampaClick();
    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();
    void cmdEsportaClick();
    void cmdScadutiClick();
    void cmdGuidaClick();
    void cmdEsciClick();
    void btnCodFiscClick();
    void btnIvaClick();
    void btnIbanClick();
    void btnCartaClick();
    void btnEmailClick();

protected:
    void formShow() override;

private:
    QWidget *buildToolbar(QWidget *parent);
    // New's blank card, without asking.
    void showBlankCard();
    void connectBoxes();
    QString boxText(const QString &name) const;
    void focusBox(const QString &name);

    QLabel *lblPosizione;
    QLabel *panInfo;
    std::unique_ptr<ArchiveNavigator> m_navigator;
    CardChanges *m_changes = nullptr;
};

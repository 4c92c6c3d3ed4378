#pragma once
#include "ui/ArchiveNavigator.h"
#include "ui/AreaWindow.h"
#include "ui/RecordWindow.h"

#include <memory>

class CardChanges;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class ReceiptLines;

// The working window of one year's receipt archive: issuer, customer,
// receipt data, thirty lines and totals, with the archive's toolbar.
class TfrmRicevute : public AreaWindow, public RecordWindow
{
    Q_OBJECT
public:
    explicit TfrmRicevute(QWidget *parent = nullptr);
    ~TfrmRicevute() override;

    // Shows receipt `index` (0-based) of the open archive, as navigation does;
    // used by the search and the unpaid-receipts list.
    Q_INVOKABLE void loadReceipt(int index);
    void loadRecord(int index) override { loadReceipt(index); }

public slots:
    void cmdNuovoClick();
    void cmdSalvaClick();
    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();
    void cmdTrovaClick();
    void cmdImportaClick();
    void cmdSospeseClick();
    void cmdRiepMensileClick();
    void cmdRiepTrimestraleClick();
    void cmdRiepAnnualeClick();
    void cmdNumerazioneClick();
    void cmdEsportaClick();
    void cmdStampaClick();
    void cmdAnteprimaClick();
    void cmdPDFClick();
    void cmdGuidaClick();
    void cmdEsciClick();
    void cmdCalcolaClick();
    void btnCancDittaClick();
    void btnLogoClick();
    void btnIvaDittaClick();
    void btnCodFiscDittaClick();
    void btnIvaClienteClick();
    void btnCodFiscClienteClick();
    void impOggiClick();
    void impMagClick(int line);

protected:
    void formShow() override;
    void resizeEvent(QResizeEvent *event) override;
    // Saves the issuer data and the stamp duty, then returns to the main menu.
    void formClose() override;

private:
    // Calcola: false, with a warning, when an amount is not one.
    bool calculate();
    bool dateFitsArchiveYear();
    // Built in sibling files: the toolbar, the three data panels, the totals.
    QWidget *buildToolbar();
    QWidget *buildIssuerPanel();
    QWidget *buildCustomerPanel();
    QWidget *buildReceiptPanel();
    QWidget *buildTotalsPanel();
    void wireKeyboard();

    void clearReceipt();
    QString archivePath() const;

    ReceiptLines *m_lines = nullptr;
    std::unique_ptr<ArchiveNavigator> m_navigator;
    CardChanges *m_changes = nullptr;

    QLineEdit *txtDitta = nullptr;
    QComboBox *txtProvDitta = nullptr;
    QLineEdit *txtIvaDitta = nullptr;
    QLineEdit *txtCodFiscDitta = nullptr;
    QLineEdit *txtCliente = nullptr;
    QComboBox *txtProvCliente = nullptr;
    QLineEdit *txtIvaCliente = nullptr;
    QLineEdit *txtCodFiscCliente = nullptr;
    QLineEdit *txtNumRic = nullptr;
    QLineEdit *txtData = nullptr;
    QLabel *txtTotCorrispettivi = nullptr;
    QLineEdit *txtAcconti = nullptr;
    QLineEdit *txtTassa = nullptr;
    QLabel *txtTotale = nullptr;
    QCheckBox *chkSaldata = nullptr;
    QLabel *lblFile = nullptr;
    QLabel *lblAnno = nullptr;
    QLabel *lblPosizione = nullptr;
    QLabel *lblInizio = nullptr;
    QLabel *lblSolare = nullptr;
    QLabel *panInfo = nullptr;
};

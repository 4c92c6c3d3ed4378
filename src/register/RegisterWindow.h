#pragma once
#include <QHash>
#include "ui/AreaWindow.h"
#include "ui/RecordWindow.h"

#include <QImage>
#include <array>
#include <memory>

class ArchiveNavigator;
class CardChanges;
class ComplianceStrip;
class PhotoFrame;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;

// The operations register: one card per purchase, with the two photos of
// the object on the left and the card on the right. Other windows deliver
// into it by control name (txtCliente, txtData, imgFoto, lblFile01...) and
// through the two invokable members below.
class TfrmRegistro : public AreaWindow, public RecordWindow
{
    Q_OBJECT
public:
    explicit TfrmRegistro(QWidget *parent = nullptr);
    ~TfrmRegistro() override;

    // Shows card `index` (0-based) as navigation does: every field, the
    // attachment labels, lblPosizione (index + 1) and the card's two photos.
    // The register search and the lists reach it through loadRecord.
    // Returns false when the card could not be read (the fixed input/output
    // message has been shown and the window is as it was) or the user kept
    // the changed card on screen.
    Q_INVOKABLE bool loadCard(int index);
    void loadRecord(int index) override { loadCard(index); }
    // The picture a photo frame holds, at full resolution: which 0 is photo
    // A (imgFoto), which 1 photo B (imgFoto02). The placeholder when the
    // card has no photo; never a null image.
    Q_INVOKABLE QImage photo(int which) const;

public slots:
    void cmdNuovoClick();
    void cmdSalvaClick();
    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();
    void cmdTrovaClick();
    void cmdAnteprimaClick();
    void cmdStampaClick();
    void cmdStampaRegistroClick();
    void cmdFileClick();
    void cmdCercaDisponibiliClick();
    void cmdConformitaClick();
    void cmdEsportaClick();
    void cmdNumerazioneClick();
    void cmdGuidaClick();
    void cmdEsciClick();
    void impClienteClick();
    void btnCodFiscClick();
    void btnLogoClick();

    void btnCaricaFotoClick();
    void btnCaricaFoto02Click();
    void btnAcquisisciFotoClick();
    void btnAcquisisciFoto02Click();
    void btnSalvaFotoClick();
    void btnSalvaFoto02Click();
    void btnCancFotoClick();
    void btnCancFoto02Click();
    void btnZoomFotoClick();
    void btnZoomFoto02Click();

    // The compliance strip: the card on screen against the law.
    void updateCompliance();
    void refreshCompliance();
    void focusComplianceField(const QString &field);

protected:
    void formShow() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    struct CardField;
    static const QList<CardField> &cardFields();
    void buildForm();
    QWidget *buildToolbar();
    QWidget *buildCard();
    // Lays the card out in one column of captioned rows, or on a wide screen
    // in two columns with the captions above the fields.
    void layCard(bool wide);
    QWidget *buildPhotoPanel();
    QWidget *buildPhotoSide(QChar side, PhotoFrame *frame);
    void fitPhotoFrames();
    QWidget *buildComplianceStrip();
    bool photosChanged() const;

    void resetCard();
    void resetPhotos();
    void showCardPhotos(int position);
    bool writeCardPhotos(bool newCard);
    bool requiredFieldsPresent();
    void loadPhotoFromFile(PhotoFrame *frame);
    void takePhotoWithCamera(const QString &token);
    void savePhotoToFile(PhotoFrame *frame);
    void openCalendar(const QString &token);

    std::unique_ptr<ArchiveNavigator> m_navigator;
    CardChanges *m_changes = nullptr;
    struct ComplianceState;
    std::unique_ptr<ComplianceState> m_compliance;
    ComplianceStrip *panConformita = nullptr;

    QLineEdit *txtNumScheda = nullptr;
    QLineEdit *txtData = nullptr;
    QLineEdit *txtOra = nullptr;
    QLineEdit *txtImporto = nullptr;
    QLineEdit *txtTransazione = nullptr;
    QLineEdit *txtMezzo = nullptr;
    QLineEdit *txtCaratteristiche = nullptr;
    QLineEdit *txtNatura = nullptr;
    QLineEdit *txtQuotazione = nullptr;
    QLineEdit *txtCliente = nullptr;
    QLineEdit *txtCodFisc = nullptr;
    QLineEdit *txtDataNasc = nullptr;
    QLineEdit *txtLuogoNasc = nullptr;
    QLineEdit *txtProvNasc = nullptr;
    QLineEdit *txtSesso = nullptr;
    QLineEdit *txtTipoDoc = nullptr;
    QLineEdit *txtNumDoc = nullptr;
    QLineEdit *txtEnteRil = nullptr;
    QLineEdit *txtDataRil = nullptr;
    QLineEdit *txtDataSca = nullptr;
    QLineEdit *txtCompratore = nullptr;
    QLineEdit *txtDestinazione = nullptr;
    QLineEdit *txtDataVen = nullptr;
    QLineEdit *txtDescrizione = nullptr;
    QLineEdit *txtValutazione = nullptr;
    QLineEdit *txtPrezzoVen = nullptr;
    QCheckBox *chkVenduto = nullptr;

    QLabel *lblPosizione = nullptr;
    QLabel *lblInizio = nullptr;
    QLabel *lblSolare = nullptr;
    QList<QLabel *> m_attachmentLabels;  // lblFile01..03, lblDesc01..03
    QLabel *panInfo = nullptr;
    QList<QLineEdit *> m_textFields;  // the 26 fields of the card, in file order
    QFrame *m_card = nullptr;
    QHash<QString, QWidget *> m_cardControls;  // by name, as the card's rows name them
    QList<QWidget *> m_cardCaptions;           // the captions and headings of the current layout

    PhotoFrame *imgFoto = nullptr;
    PhotoFrame *imgFoto02 = nullptr;
    PhotoFrame *imgBianco = nullptr;
    PhotoFrame *imgBianco02 = nullptr;
    // A card's photo file that exists but could not be read: Save leaves it alone.
    std::array<bool, 2> m_photoUnreadable{};
};

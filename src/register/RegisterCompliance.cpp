// The register window's compliance: the strip under the card, kept up to
// date while the card is typed, and the other cards it is checked against.
#include "register/RegisterWindow.h"
#include "register/ComplianceStrip.h"
#include "register/PhotoFrame.h"
#include "register/RegisterComplianceState.h"
#include "register/RegisterRecord.h"
#include "storage/DataFolder.h"
#include "storage/StorageError.h"
#include "storage/YesNo.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

QWidget *TfrmRegistro::buildComplianceStrip()
{
    m_compliance = std::make_unique<ComplianceState>();
    panConformita = new ComplianceStrip(this);
    connect(panConformita, &ComplianceStrip::fieldRequested, this, &TfrmRegistro::focusComplianceField);
    for (QLineEdit *field : std::as_const(m_textFields))
        connect(field, &QLineEdit::textChanged, this, &TfrmRegistro::updateCompliance);
    connect(chkVenduto, &QCheckBox::toggled, this, &TfrmRegistro::updateCompliance);
    // The frames are set from several places (files, camera, other windows):
    // a changed picture shows when the frame repaints.
    for (PhotoFrame *frame : {imgFoto, imgFoto02})
        frame->installEventFilter(this);
    return panConformita;
}

bool TfrmRegistro::photosChanged() const
{
    return imgFoto->picture().cacheKey() != m_compliance->photoKeys[0]
           || imgFoto02->picture().cacheKey() != m_compliance->photoKeys[1];
}

void TfrmRegistro::refreshCompliance()
{
    // What the other cards say is read when a card is shown, saved or
    // started; a failure leaves the strip to the card's own rules.
    const QString position = lblPosizione->text().trimmed();
    bool ok = false;
    const int index = position.toInt(&ok) - 1;
    try {
        m_compliance->settings = Compliance::readSettings(DataFolder::file(FileNames::settings()));
        m_compliance->others = Compliance::OtherCards::read(DataFolder::file(FileNames::registerArchive()),
                                                            ok ? index : -1, m_compliance->settings);
    } catch (const StorageError &) {
        m_compliance->others = {};
    }
    updateCompliance();
}

void TfrmRegistro::updateCompliance()
{
    if (!m_compliance)
        return;
    RegisterRecord card;
    for (QLineEdit *field : std::as_const(m_textFields)) {
        const int i = RegisterRecordLayout::indexOf(QStringView(field->objectName()).mid(3));
        card.*(RegisterRecord::kFields[size_t(i)].member) = field->text();
    }
    card.Venduto = YesNo::of(chkVenduto->isChecked());
    const QByteArray bytes = RegisterRecordLayout::encode(card);
    if (photosChanged()) {
        m_compliance->photoKeys[0] = imgFoto->picture().cacheKey();
        m_compliance->photoKeys[1] = imgFoto02->picture().cacheKey();
        m_compliance->photos = m_compliance->evidence.pictures(imgFoto->picture(), imgFoto02->picture());
    }
    Compliance::CardFacts facts = m_compliance->others.factsFor(bytes.constData(), m_compliance->settings);
    facts.photos = m_compliance->photos;
    panConformita->show(Compliance::checkCard(bytes.constData(), m_compliance->settings, facts));
}

void TfrmRegistro::focusComplianceField(const QString &field)
{
    const QString name = field == QStringLiteral("FotoA")   ? QStringLiteral("btnCaricaFoto")
                         : field == QStringLiteral("FotoB") ? QStringLiteral("btnCaricaFoto02")
                         : field == QStringLiteral("Venduto") ? QStringLiteral("chkVenduto")
                                                              : u"txt" + field;
    if (auto *target = findChild<QWidget *>(name))
        target->setFocus(Qt::OtherFocusReason);
}

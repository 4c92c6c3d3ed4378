#include "register/compliancelist/CompliancePeriod.h"
#include "ui/WindowNames.h"
#include "ui/Dialogs.h"
#include "ui/Messages.h"
#include "storage/DateText.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QString badDateText()
{
    return QStringLiteral("Attenzione: la data indicata non esiste.\n\r\n\rIndicare una data valida nel formato "
                          "gg/mm/anno oppure lasciare il campo vuoto.");
}
} // namespace

TfrmVerificaConformita::TfrmVerificaConformita(QWidget *parent) : QDialog(parent)
{
    setObjectName(WindowNames::of<TfrmVerificaConformita>());
    setWindowTitle(QStringLiteral(" Verifica conformità"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto *intro = new QLabel(QStringLiteral("Verificare le schede con data operazione compresa fra le date "
                                            "indicate. Lasciare vuote le due date per verificare l'intero "
                                            "registro."),
                             this);
    intro->setWordWrap(true);
    txtDal = new QLineEdit(this);
    txtDal->setObjectName(QStringLiteral("txtDal"));
    txtAl = new QLineEdit(this);
    txtAl->setObjectName(QStringLiteral("txtAl"));
    for (QLineEdit *field : {txtDal, txtAl}) {
        field->setMaxLength(10);
        field->setPlaceholderText(QStringLiteral("gg/mm/aaaa"));
        field->setAlignment(Qt::AlignCenter);
    }
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Dal:"), txtDal);
    form->addRow(QStringLiteral("Al:"), txtAl);

    auto *verify = new QPushButton(QStringLiteral("Verifica"), this);
    verify->setObjectName(QStringLiteral("btnVerifica"));
    verify->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Annulla"), this);
    cancel->setObjectName(QStringLiteral("btnAnnulla"));
    connect(verify, &QPushButton::clicked, this, &TfrmVerificaConformita::btnVerificaClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(verify);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setFixedSize(420, 190);
}

void TfrmVerificaConformita::btnVerificaClick()
{
    for (QLineEdit *field : {txtDal, txtAl}) {
        if (!field->text().trimmed().isEmpty() && !DateText::isValid(field->text())) {
            Messages::warning(badDateText(), this);
            field->setFocus();
            return;
        }
    }
    const QDate from = DateText::parse(txtDal->text());
    const QDate to = DateText::parse(txtAl->text());
    if (from.isValid() && to.isValid() && to < from) {
        Messages::warning(QStringLiteral("Attenzione: la data finale precede quella iniziale."), this);
        txtAl->setFocus();
        return;
    }
    hide();
    Dialogs::open(WindowNames::conformita, parentWidget(),
                  {{QStringLiteral("lblDal"), from.isValid() ? DateText::format(from) : QString()},
                   {QStringLiteral("lblAl"), to.isValid() ? DateText::format(to) : QString()}});
    accept();
}

#include "report/ui/OutputDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

OutputDialog::OutputDialog(QWidget *parent, const QString &caption,
                           Report::Pictures::Illustration illustration, const QString &actionCaption,
                           const QString &explanation)
    : QDialog(parent)
{
    setWindowTitle(caption);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    imgIllustrazione = new QLabel(this);
    imgIllustrazione->setObjectName(QStringLiteral("imgIllustrazione"));
    imgIllustrazione->setPixmap(QPixmap::fromImage(Report::Pictures::illustration(illustration, 96)));
    imgIllustrazione->setFixedSize(104, 104);
    imgIllustrazione->setAlignment(Qt::AlignCenter);

    lblSpiegazione = new QLabel(explanation, this);
    lblSpiegazione->setObjectName(QStringLiteral("lblSpiegazione"));
    lblSpiegazione->setWordWrap(true);
    lblSpiegazione->setFixedWidth(260);

    btnStampa = new QPushButton(actionCaption, this);
    btnStampa->setObjectName(QStringLiteral("btnStampa"));
    btnStampa->setDefault(true);
    btnStampa->setMinimumWidth(130);
    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnAnnulla->setMinimumWidth(100);
    connect(btnStampa, &QPushButton::clicked, this, &OutputDialog::btnStampaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &OutputDialog::btnAnnullaClick);

    auto *top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(imgIllustrazione);
    top->addWidget(lblSpiegazione, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnStampa);
    buttons->addWidget(btnAnnulla);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->setSpacing(14);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

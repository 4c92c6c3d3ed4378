#include "register/CalendarDialog.h"
#include "ui/WindowNames.h"
#include "ui/AppWindows.h"
#include "ui/Controls.h"
#include "ui/Icons.h"
#include "ui/Theme.h"
#include "storage/Clock.h"
#include "storage/DateText.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// Caller token -> the register window's field that receives the date.
struct Target
{
    const char *token;
    const char *field;
};
constexpr Target kTargets[] = {
    {"registro_data", "txtData"},
    {"registro_dataven", "txtDataVen"},
};
}

TfrmCalendario::TfrmCalendario(QWidget *parent) : QDialog(parent)
{
    setObjectName(WindowNames::of<TfrmCalendario>());
    setWindowTitle(QStringLiteral(" Importazione data"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);

    auto *icon = new QLabel(this);
    icon->setPixmap(Icons::pixmap(QStringLiteral("calendar"), 32));
    auto *lblImporta = new QLabel(QStringLiteral("Importare una data:"), this);
    lblImporta->setObjectName(QStringLiteral("lblImporta"));
    lblImporta->setFont(Theme::font(Theme::Face::Body, 11, QFont::Bold));

    calAppuntamenti = new QCalendarWidget(this);
    calAppuntamenti->setObjectName(QStringLiteral("calAppuntamenti"));
    calAppuntamenti->setGridVisible(true);
    calAppuntamenti->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calAppuntamenti->setSelectedDate(Clock::today());
    calAppuntamenti->setMinimumSize(340, 240);

    auto *btnImportaData = new QPushButton(Icons::icon(QStringLiteral("import")),
                                           QStringLiteral("Importa"), this);
    btnImportaData->setObjectName(QStringLiteral("btnImportaData"));
    btnImportaData->setDefault(true);
    auto *btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    Controls::addMemoryLabel(this);

    auto *title = new QHBoxLayout;
    title->addWidget(icon);
    title->addWidget(lblImporta, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnImportaData);
    buttons->addWidget(btnAnnulla);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(10);
    layout->addLayout(title);
    layout->addWidget(calAppuntamenti);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnImportaData, &QPushButton::clicked, this, &TfrmCalendario::btnImportaDataClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmCalendario::btnAnnullaClick);
    connect(calAppuntamenti, &QCalendarWidget::activated, this, &TfrmCalendario::btnImportaDataClick);
}

void TfrmCalendario::btnImportaDataClick()
{
    const QString token = Controls::token(this);
    for (const Target &t : kTargets) {
        if (token == QLatin1StringView(t.token)) {
            Controls::setText(AppWindows::get(WindowNames::registro),
                              QLatin1StringView(t.field),
                              DateText::format(calAppuntamenti->selectedDate()));
            accept();
            return;
        }
    }
    // A caller this dialog does not know gets nothing, and the dialog stays.
}

void TfrmCalendario::btnAnnullaClick() { reject(); }

#include "ui/NumberingDialog.h"
#include "ui/FieldKind.h"
#include "ui/WindowNames.h"
#include "ui/Controls.h"
#include "ui/FieldBehaviour.h"
#include "ui/Messages.h"
#include "ui/Modal.h"
#include "ui/Theme.h"
#include "storage/AmountText.h"
#include "storage/ArchiveTexts.h"
#include "storage/DataFolder.h"
#include "storage/IniFile.h"
#include "storage/Numbering.h"
#include "storage/StorageError.h"
#include "storage/YesNo.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {
constexpr int kTypingLimit = 5;
}

TfrmNumerazione::TfrmNumerazione(QWidget *parent) : QDialog(parent)
{
    setObjectName(WindowNames::of<TfrmNumerazione>());
    setWindowTitle(QStringLiteral(" Impostazione inizio numerazione"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);

    auto *grp = new QGroupBox(QStringLiteral(" Inizia numerazione da: "), this);
    grp->setObjectName(QStringLiteral("grpNumerazione"));
    txtInizio = new QLineEdit(QStringLiteral("1"), grp);
    txtInizio->setObjectName(QStringLiteral("txtInizio"));
    txtInizio->setMaxLength(kTypingLimit);
    // The limit grows back towards five as a longer stored value is shortened.
    connect(txtInizio, &QLineEdit::textEdited, txtInizio,
            [this] { txtInizio->setMaxLength(qMax(kTypingLimit, int(txtInizio->text().size()))); });
    txtInizio->setAlignment(Qt::AlignCenter);
    txtInizio->setFont(Theme::font(Theme::Face::Body, 14, QFont::Bold));
    txtInizio->setFixedWidth(140);
    auto *grpLayout = new QHBoxLayout(grp);
    grpLayout->setContentsMargins(14, 14, 14, 14);
    grpLayout->addWidget(txtInizio, 0, Qt::AlignLeft);

    chkTipo = new QCheckBox(
        QStringLiteral("Indica l'anno solare dopo il numero progressivo del documento"), this);
    chkTipo->setObjectName(QStringLiteral("chkTipo"));
    auto *btnApplica = new QPushButton(QStringLiteral("Applica e chiudi"), this);
    btnApplica->setObjectName(QStringLiteral("btnApplica"));
    auto *btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    Controls::addMemoryLabel(this);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnApplica);
    buttons->addWidget(btnAnnulla);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 16);
    layout->setSpacing(14);
    layout->addWidget(grp);
    layout->addWidget(chkTipo);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());

    FieldBehaviour::highlightWithRectangle(txtInizio);
    FieldKinds::apply(txtInizio, FieldKind::digits());
    txtInizio->installEventFilter(this);
    connect(btnApplica, &QPushButton::clicked, this, &TfrmNumerazione::btnApplicaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmNumerazione::btnAnnullaClick);
}

void TfrmNumerazione::open(QWidget *parent, const QString &token, const QString &caption)
{
    TfrmNumerazione dialog(parent);
    Controls::setToken(&dialog, token);
    dialog.setWindowTitle(caption);
    Modal::exec(&dialog);
}

QString TfrmNumerazione::section() const
{
    const QString token = Controls::token(this);
    if (token == QStringLiteral("registro"))
        return Numbering::registerSection();
    if (token == QStringLiteral("ricevute"))
        return Numbering::receiptSection();
    return {};
}

void TfrmNumerazione::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    formShow();
}

void TfrmNumerazione::formShow()
{
    const QString s = section();
    if (!s.isEmpty()) {
        try {
            const IniFile ini(DataFolder::file(FileNames::settings()));
            // Five digits is a typing limit: a longer stored value is shown whole.
            const QString stored = ini.value(s, Numbering::startKey());
            txtInizio->setMaxLength(qMax(kTypingLimit, int(stored.size())));
            txtInizio->setText(stored);
            chkTipo->setChecked(ini.value(s, Numbering::yearKey()) == YesNo::yes());
        } catch (const StorageError &) {
            Messages::error(ArchiveTexts::ioFailure());
        }
        if (txtInizio->text().trimmed().isEmpty())
            txtInizio->setText(QStringLiteral("1"));
    }
    txtInizio->setFocus();
}

bool TfrmNumerazione::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtInizio) {
        if (event->type() == QEvent::FocusOut)
            txtInizioExit();
        if (event->type() == QEvent::KeyPress) {
            const int k = static_cast<QKeyEvent *>(event)->key();
            if (k == Qt::Key_Return || k == Qt::Key_Enter) {
                findChild<QPushButton *>(QStringLiteral("btnApplica"))->setFocus();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmNumerazione::txtInizioExit()
{
    // Digits stay digits: read as a number, a long value would lose its last ones.
    const QString typed = txtInizio->text().trimmed();
    if (!typed.isEmpty() && std::all_of(typed.cbegin(), typed.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; })) {
        qsizetype zeros = 0;
        while (zeros + 1 < typed.size() && typed[zeros] == u'0')
            ++zeros;
        txtInizio->setText(typed.mid(zeros));
        return;
    }
    const auto value = AmountText::parse(txtInizio->text());
    if (!value) {
        txtInizio->setText(QStringLiteral("1"));
        return;
    }
    txtInizio->setText(QString::number(qlonglong(std::floor(*value + 0.5))));
}

void TfrmNumerazione::btnApplicaClick()
{
    txtInizioExit();
    const QString s = section();
    if (!s.isEmpty()) {
        try {
            IniFile ini(DataFolder::file(FileNames::settings()));
            ini.setValue(s, Numbering::startKey(), txtInizio->text().trimmed());
            ini.setValue(s, Numbering::yearKey(), YesNo::of(chkTipo->isChecked()));
            ini.save();
        } catch (const StorageError &) {
            // A settings file that cannot be written must not look saved.
            Messages::error(ArchiveTexts::ioFailure());
            return;
        }
    }
    accept();
}

void TfrmNumerazione::btnAnnullaClick() { reject(); }

#include "customers/AttachmentsDialog.h"
#include "ui/WindowNames.h"
#include "ui/AppWindows.h"
#include "ui/Controls.h"
#include "ui/Icons.h"
#include "ui/Messages.h"
#include "ui/Modal.h"
#include "ui/Shell.h"
#include "ui/Theme.h"
#include "customers/Attachments.h"
#include "customers/DialogBanner.h"
#include "storage/Record.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QString two(int slot) { return QStringLiteral("0%1").arg(slot + 1); }
QString ordinal(int slot) { return QString::number(slot + 1) + u'°'; }

// The area windows that keep attachments, by the token their button writes.
QWidget *targetOf(const QString &token)
{
    if (token == QStringLiteral("anagrafica"))
        return AppWindows::get(WindowNames::anagrafica);
    if (token == QStringLiteral("registro"))
        return AppWindows::get(WindowNames::registro);
    return nullptr;
}
} // namespace

TfrmAllegaCartella::TfrmAllegaCartella(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(WindowNames::of<TfrmAllegaCartella>());
    setWindowTitle(QStringLiteral(" Allega file"));
    setStyleSheet(Theme::sheet(Theme::Sheet::Attachments));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 12);
    layout->setSpacing(10);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(DialogBanner::make(
        this, QStringLiteral("attach"), QStringLiteral("Allega file"),
        QStringLiteral("Si possono abbinare alla scheda fino a tre file, che vengono copiati nella "
                       "cartella Documenti_Allegati del programma.")));
    for (int slot = 0; slot < kSlots; ++slot) {
        auto *wrap = new QHBoxLayout;
        wrap->setContentsMargins(14, 0, 14, 0);
        wrap->addWidget(buildSlot(slot));
        layout->addLayout(wrap);
    }

    auto *btnApplica = new QPushButton(QStringLiteral("Applica e chiudi"), this);
    btnApplica->setObjectName(QStringLiteral("btnApplica"));
    auto *btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnApplica->setAutoDefault(false);
    btnAnnulla->setAutoDefault(false);
    connect(btnApplica, &QPushButton::clicked, this, &TfrmAllegaCartella::btnApplicaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmAllegaCartella::btnAnnullaClick);
    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(14, 0, 14, 0);
    buttons->addStretch(1);
    buttons->addWidget(btnApplica);
    buttons->addWidget(btnAnnulla);
    layout->addLayout(buttons);

    Controls::addMemoryLabel(this);
}

QWidget *TfrmAllegaCartella::buildSlot(int slot)
{
    const QString n = two(slot);
    auto *box = new QGroupBox(QStringLiteral("Documento ") + QString::number(slot + 1), this);

    auto *fileCaption = new QLabel(QStringLiteral("Nome ") + ordinal(slot) + QStringLiteral(" file allegato:"), box);
    auto *file = new QLineEdit(box);
    file->setObjectName(QStringLiteral("txtFile") + n);
    file->setReadOnly(true);
    file->setMinimumWidth(420);
    file->setMaxLength(250);
    auto *clear = Icons::button(box, QStringLiteral("imgCancella") + n, Icons::icon(QStringLiteral("delete")), 18,
                                QStringLiteral("Togli il file dalla scheda"));
    auto *browse = new QPushButton(QStringLiteral("Sfoglia..."), box);
    browse->setObjectName(QStringLiteral("btnSfoglia") + n);
    auto *open = new QPushButton(QStringLiteral("Apri"), box);
    open->setObjectName(QStringLiteral("btnApri") + n);
    open->setEnabled(false);
    for (QPushButton *b : {browse, open})
        b->setAutoDefault(false);
    auto *descCaption = new QLabel(QStringLiteral("Descrizione ") + ordinal(slot) + QStringLiteral(" file allegato:"), box);
    auto *description = new QLineEdit(box);
    description->setObjectName(QStringLiteral("txtDesc") + n);
    description->setMaxLength(250);

    m_file[slot] = file;
    m_description[slot] = description;
    m_open[slot] = open;
    using Handler = void (TfrmAllegaCartella::*)();
    static constexpr Handler changed[] = {&TfrmAllegaCartella::txtFile01Change, &TfrmAllegaCartella::txtFile02Change,
                                          &TfrmAllegaCartella::txtFile03Change};
    static constexpr Handler cleared[] = {&TfrmAllegaCartella::imgCancella01Click, &TfrmAllegaCartella::imgCancella02Click,
                                          &TfrmAllegaCartella::imgCancella03Click};
    static constexpr Handler browsed[] = {&TfrmAllegaCartella::btnSfoglia01Click, &TfrmAllegaCartella::btnSfoglia02Click,
                                          &TfrmAllegaCartella::btnSfoglia03Click};
    static constexpr Handler opened[] = {&TfrmAllegaCartella::btnApri01Click, &TfrmAllegaCartella::btnApri02Click,
                                         &TfrmAllegaCartella::btnApri03Click};
    connect(file, &QLineEdit::textChanged, this, changed[slot]);
    connect(clear, &QToolButton::clicked, this, cleared[slot]);
    connect(browse, &QPushButton::clicked, this, browsed[slot]);
    connect(open, &QPushButton::clicked, this, opened[slot]);

    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(12, 16, 12, 10);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    grid->addWidget(fileCaption, 0, 0, 1, 4);
    grid->addWidget(file, 1, 0);
    grid->addWidget(clear, 1, 1);
    grid->addWidget(browse, 1, 2);
    grid->addWidget(open, 1, 3);
    grid->addWidget(descCaption, 2, 0, 1, 4);
    grid->addWidget(description, 3, 0, 1, 4);
    grid->setColumnStretch(0, 1);
    return box;
}

void TfrmAllegaCartella::fileChanged(int slot)
{
    m_open[slot]->setEnabled(!ShortText::trimmed(m_file[slot]->text()).isEmpty());
}

// The file stays in the attachments folder: other cards may name it too.
void TfrmAllegaCartella::clearSlot(int slot) { m_file[slot]->clear(); }

void TfrmAllegaCartella::chooseFile(int slot)
{
    const QString chosen = Modal::chooseFile(
        this, {Modal::FileKind::Open, QStringLiteral("Selezionare il file da allegare:"), QString(),
               QStringLiteral("Tutti i file (*.*)")});
    if (chosen.isEmpty())
        return;
    m_file[slot]->setText(Attachments::storableName(QFileInfo(chosen).fileName()));
    const Attachments::Copy copy = Attachments::copyIn(chosen, [this] {
        return Messages::confirm(
            QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un file con lo "
                           "stesso nome.\r\n\r\nSi vuole sovrascrivere il file esistente?"),
            this);
    });
    m_file[slot]->setText(copy.name);
}

void TfrmAllegaCartella::openFile(int slot)
{
    const QString name = ShortText::trimmed(m_file[slot]->text());
    // A name from an archive must not lead the shell out of the folder.
    if (!Attachments::isSafeName(name)) {
        Messages::warning(QStringLiteral("Attenzione: il nome del file allegato non è valido."), this);
        return;
    }
    Shell::open(u'"' + Attachments::pathOf(name) + u'"');
}

void TfrmAllegaCartella::btnApplicaClick()
{
    QWidget *target = targetOf(Controls::token(this));
    if (!target)
        return;
    for (int slot = 0; slot < kSlots; ++slot) {
        Controls::setText(target, QStringLiteral("lblFile") + two(slot), ShortText::trimmed(m_file[slot]->text()));
        Controls::setText(target, QStringLiteral("lblDesc") + two(slot), ShortText::trimmed(m_description[slot]->text()));
    }
    accept();
}

void TfrmAllegaCartella::btnAnnullaClick() { reject(); }

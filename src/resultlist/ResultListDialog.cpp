#include "resultlist/ResultListDialog.h"
#include "ui/Looks.h"
#include "ui/Dialogs.h"
#include "ui/Theme.h"
#include "storage/StorageError.h"
#include "resultlist/ListPrinting.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {
QPushButton *makeButton(QWidget *parent, const QString &name, const QString &text)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);  // Enter in a field never presses a button
    b->setMinimumWidth(120);
    return b;
}
} // namespace

ResultListDialog::ResultListDialog(const ListWindowSpec &spec, QWidget *parent)
    : QDialog(parent), m_spec(spec)
{
    setObjectName(spec.className);
    setWindowTitle(spec.caption);
    if (spec.windowButtons)
        setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    else
        Dialogs::removeWindowButtons(this);

    m_results = new QWidget(this);
    m_results->setObjectName(QStringLiteral("panContainer"));
    m_list = new ResultList(spec.list, m_results);
    connect(m_list, &ResultList::recordRequested, this, &ResultListDialog::lstRecordsDblClick);

    m_header = new QVBoxLayout;
    m_footer = new QVBoxLayout;
    m_buttons = new QHBoxLayout;
    m_buttons->addStretch(1);
    auto *print = makeButton(m_results, QStringLiteral("btnStampa"), spec.printButton);
    auto *close = makeButton(m_results, spec.closeName, spec.closeButton);
    m_buttons->addWidget(print);
    m_buttons->addWidget(close);
    connect(print, &QPushButton::clicked, this, &ResultListDialog::btnStampaClick);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto *panel = new QVBoxLayout(m_results);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->addLayout(m_header);
    panel->addWidget(m_list, 1);
    panel->addLayout(m_footer);
    panel->addLayout(m_buttons);

    auto *banner = new QLabel(spec.caption.trimmed(), this);
    banner->setObjectName(QStringLiteral("panTitolo"));
    banner->setFont(Theme::font(Theme::Face::Body, 13, QFont::Bold));
    banner->setContentsMargins(16, 10, 16, 10);
    Looks::set(banner, Looks::Look::Band);

    m_outer = new QVBoxLayout(this);
    m_outer->setContentsMargins(0, 0, 0, 0);
    m_outer->setSpacing(0);
    m_outer->addWidget(banner);
    m_body = new QVBoxLayout;
    m_body->setContentsMargins(14, 10, 14, 12);
    m_body->addWidget(m_results, 1);
    m_outer->addLayout(m_body, 1);

    if (spec.maximised) {
        setWindowFlag(Qt::WindowMaximizeButtonHint, true);
        setWindowState(Qt::WindowMaximized);
    } else {
        setFixedSize(spec.fixedSize);
    }
}

void ResultListDialog::setSource(ListSource source)
{
    m_source = std::move(source);
    m_list->setHeading(m_source.line.heading());
}

QPushButton *ResultListDialog::addButton(const QString &name, const QString &text)
{
    auto *b = makeButton(m_results, name, text);
    // A window's own buttons go on the left; Stampa and Chiudi stay on the right.
    m_buttons->insertWidget(m_ownButtons++, b);
    return b;
}

bool ResultListDialog::fillFromArchive(const std::function<bool(const char *)> &qualifies)
{
    m_list->reset();
    m_list->clear();
    const ArchiveScan::Lines read =
        ArchiveScan::collect(m_source.path(), m_source.recordSize, m_source.line, qualifies);
    m_list->setLines(read.lines, read.records);
    m_list->focusFind();
    return read.complete;
}

ListPrintout ResultListDialog::printout() const
{
    ListPrintout printout;
    printout.title = reportTitle();
    printout.text = m_list->lines();
    printout.text += totalsLines();
    return printout;
}

void ResultListDialog::btnStampaClick()
{
    ListPrinting::run(this, m_spec.print, printout(), m_list->count() == 0);
}

void ResultListDialog::lstRecordsDblClick()
{
    const int record = m_list->selectedRecord();
    if (record >= 0 && m_source.path) {
        try {
            deliver(ArchiveScan::recordAt(m_source.path(), m_source.recordSize, record));
        } catch (const StorageError &) {
            // A failure while re-reading just closes the window.
        }
    }
    accept();
}

void ResultListDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        formShow();
}

void ResultListDialog::done(int result)
{
    m_list->clear();
    formClose();
    QDialog::done(result);
}

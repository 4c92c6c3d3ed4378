#include "resultlist/SearchDialog.h"
#include "ui/Controls.h"
#include "ui/FieldBehaviour.h"
#include "ui/Theme.h"
#include "storage/ArchiveTexts.h"
#include "resultlist/RecordCriteria.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// The searches have no window buttons: they are left through Chiudi.
ListWindowSpec searchWindow(ListWindowSpec window)
{
    window.windowButtons = false;
    return window;
}
} // namespace

SearchDialog::SearchDialog(const SearchSpec &spec, QWidget *parent)
    : ResultListDialog(searchWindow(spec.window), parent), m_searchSpec(spec)
{
    Controls::addMemoryLabel(this);
    panAvvio = buildCriteriaPanel();
    outerLayout()->insertWidget(0, panAvvio, 1);
    resultsPanel()->hide();

    lblTrovate = new QLabel(QStringLiteral("Il presente riepilogo contiene 0 schede."), resultsPanel());
    lblTrovate->setObjectName(QStringLiteral("lblTrovate"));
    lblTrovate->setFont(Theme::font(Theme::Face::Body, 10, QFont::Bold));
    lblTrovate->setStyleSheet(Theme::css(u"color:@teal;"));
    footerArea()->addWidget(lblTrovate);
}

QWidget *SearchDialog::buildCriteriaPanel()
{
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panAvvio"));
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const QString &line : {QStringLiteral("Immettere nei campi prescelti una o più parole consecutive "
                                               "presenti nelle schede da trovare e premere il pulsante Cerca."),
                                QStringLiteral("Lasciare in bianco tutti gli altri campi."),
                                QStringLiteral("Per ogni ricerca è possibile utilizzare uno o più campi "
                                               "contemporaneamente.")}) {
        auto *l = new QLabel(line, panel);
        l->setWordWrap(true);
        layout->addWidget(l);
    }
    layout->addSpacing(8);

    // The fields keep a readable width on a wide dialog.
    auto *column = new QWidget(panel);
    column->setMaximumWidth(940);
    auto *grid = new QGridLayout(column);
    grid->setContentsMargins(0, 8, 0, 0);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(9);
    QFont fieldFont = Theme::font(Theme::Face::Body, 12, QFont::Bold);
    QList<QPair<QString, QString>> chain;
    for (int row = 0; row < m_searchSpec.criteria.size(); ++row) {
        const SearchField &c = m_searchSpec.criteria[row];
        auto *label = new QLabel(c.label, column);
        label->setObjectName(u"lbl" + c.control.mid(3));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto *field = new QLineEdit(column);
        field->setObjectName(c.control);
        field->setFont(fieldFont);
        label->setBuddy(field);
        FieldBehaviour::highlightWithRectangle(field);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        m_fields.append(field);
    }
    for (int i = 0; i < m_fields.size(); ++i)
        chain.append({m_fields[i]->objectName(), m_fields[(i + 1) % m_fields.size()]->objectName()});
    FieldBehaviour::enterChain(this, chain);
    grid->setColumnStretch(1, 1);
    auto *centred = new QHBoxLayout;
    centred->addStretch(1);
    centred->addWidget(column, 6);
    centred->addStretch(1);
    layout->addLayout(centred);
    layout->addStretch(1);

    lblAttendere = new QLabel(QStringLiteral("Ricerca schede in corso. Attendere..."), panel);
    lblAttendere->setObjectName(QStringLiteral("lblAttendere"));
    lblAttendere->setFont(Theme::font(Theme::Face::Body, 11, QFont::Bold));
    lblAttendere->setStyleSheet(Theme::css(u"color:@teal;"));
    lblAttendere->hide();
    lblConta = new QLabel(QStringLiteral("0"), panel);
    lblConta->setObjectName(QStringLiteral("lblConta"));
    lblConta->hide();

    auto *btnCerca = new QPushButton(QStringLiteral("Cerca"), panel);
    btnCerca->setObjectName(QStringLiteral("btnCerca"));
    auto *btnAnnulla = new QPushButton(QStringLiteral("Chiudi"), panel);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    for (QPushButton *b : {btnCerca, btnAnnulla}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(120);
    }
    btnCerca->installEventFilter(this);
    connect(btnCerca, &QPushButton::clicked, this, &SearchDialog::btnCercaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(lblAttendere);
    buttons->addStretch(1);
    buttons->addWidget(btnCerca);
    buttons->addWidget(btnAnnulla);
    layout->addLayout(buttons);
    return panel;
}

QString SearchDialog::countText(int lines)
{
    return QStringLiteral("Il presente riepilogo contiene ") + QString::number(lines) + QStringLiteral(" schede.");
}

void SearchDialog::formShow()
{
    list()->reset();
    if (!m_fields.isEmpty() && panAvvio->isVisible())
        m_fields.first()->setFocus();
}

void SearchDialog::formClose() { lblAttendere->hide(); }

void SearchDialog::btnCercaMouseDown()
{
    lblAttendere->show();
    lblAttendere->repaint();  // the search runs before the next paint
}

void SearchDialog::btnCercaClick()
{
    btnCercaMouseDown();
    RecordCriteria criteria;
    for (int i = 0; i < m_fields.size(); ++i) {
        const SearchField &c = m_searchSpec.criteria[i];
        criteria.add(FieldCriterion(m_fields[i]->text(), c.offset, c.capacity));
    }
    lblConta->setText(QString::number(criteria.inUse()));

    list()->clear();
    const ArchiveScan::Lines found =
        ArchiveScan::collect(source().path(), source().recordSize, source().line,
                             [&criteria](const char *record) { return criteria.matches(record); });
    if (!found.complete) {
        lblAttendere->hide();
        Messages::plain(ArchiveTexts::ioFailure(), this);
        return;
    }
    list()->setLines(found.lines, found.records);
    lblTrovate->setText(countText(list()->count()));
    panAvvio->hide();
    resultsPanel()->show();
    list()->clearFindText();
    list()->focusFind();
}

bool SearchDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && watched->objectName() == QLatin1StringView("btnCerca"))
        btnCercaMouseDown();
    return ResultListDialog::eventFilter(watched, event);
}

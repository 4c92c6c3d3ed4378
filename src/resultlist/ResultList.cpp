#include "resultlist/ResultList.h"
#include "ui/Theme.h"
#include "resultlist/ResultLines.h"
#include "resultlist/ResultListModel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

namespace {
constexpr int kHeadingPadding = 3;  // above and below the column names

QLabel *instruction(QWidget *parent, const char *name, const QString &text)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1StringView(name));
    l->setWordWrap(true);
    return l;
}
} // namespace

ResultList::ResultList(const ResultListOptions &options, QWidget *parent)
    : QWidget(parent), m_options(options), m_model(new ResultListModel(this))
{
    lblRigo01 = instruction(this, "lblRigo01",
                            QStringLiteral("Immettere una o più parole consecutive presenti nella scheda in "
                                           "elenco da cercare e premere il pulsante Trova."));
    lblRigo02 = instruction(this, "lblRigo02",
                            QStringLiteral("Per spostarsi sulla voce successiva contenente la stessa chiave "
                                           "di ricerca, fare di nuovo clic su Trova."));
    txtTrova = new QLineEdit(this);
    txtTrova->setObjectName(QStringLiteral("txtTrova"));
    txtTrova->setFont(Theme::font(Theme::Face::Body, 11));
    txtTrova->setPlaceholderText(QStringLiteral("Testo da cercare nell'elenco"));
    btnTrova = new QPushButton(QStringLiteral("Trova"), this);
    btnTrova->setObjectName(QStringLiteral("btnTrova"));
    btnTrova->setAutoDefault(false);
    btnTrova->setMinimumWidth(110);
    connect(btnTrova, &QPushButton::clicked, this, &ResultList::btnTrovaClick);

    lstRecords = new QListView(this);
    lstRecords->setObjectName(QStringLiteral("lstRecords"));
    lstRecords->setModel(m_model);
    lstRecords->setUniformItemSizes(true);
    lstRecords->setLayoutMode(QListView::SinglePass);
    lstRecords->setSelectionMode(QAbstractItemView::SingleSelection);
    lstRecords->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstRecords->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    lstRecords->setAlternatingRowColors(false);
    lstRecords->setStyleSheet(Theme::css(
        u"QListView{background:@paper;border:1px solid @cardBorder;}"
        "QListView::item:selected{background:@houseBlue;color:@textOnColour;}"));
    lstRecords->viewport()->installEventFilter(this);
    txtTrova->installEventFilter(this);

    // The column names, drawn like the lines and moved with them sideways.
    panIntestazione = new QWidget(this);
    panIntestazione->setObjectName(QStringLiteral("panIntestazione"));
    panIntestazione->setAttribute(Qt::WA_StyledBackground);
    panIntestazione->setStyleSheet(Theme::css(
        u"#panIntestazione{background:@fixedColumn;border:1px solid @cardBorder;border-bottom:none;}"));
    m_headingClip = new QWidget(panIntestazione);
    lblIntestazione = new QLabel(m_headingClip);
    lblIntestazione->setObjectName(QStringLiteral("lblIntestazione"));
    lblIntestazione->setTextFormat(Qt::PlainText);
    lblIntestazione->setStyleSheet(Theme::css(u"#lblIntestazione{color:@houseBlue;padding:0;margin:0;}"));
    lblIntestazione->setFont(m_model->font());
    panIntestazione->hide();
    panIntestazione->installEventFilter(this);
    lstRecords->installEventFilter(this);
    connect(lstRecords->horizontalScrollBar(), &QScrollBar::valueChanged, this, &ResultList::placeHeading);

    auto *findRow = new QHBoxLayout;
    findRow->addWidget(txtTrova, 1);
    findRow->addWidget(btnTrova);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // All three instructions stand above the find field.
    layout->addWidget(lblRigo01);
    layout->addWidget(lblRigo02);
    if (m_options.doubleClick) {
        lblRigo03 = instruction(this, "lblRigo03",
                                QStringLiteral("Per richiamare i dati di una scheda, selezionarla con un doppio clic."));
        lblRigo03->setStyleSheet(Theme::css(u"color:@crimson;"));
        layout->addWidget(lblRigo03);
    }
    layout->addLayout(findRow);
    auto *listColumn = new QVBoxLayout;
    listColumn->setSpacing(0);
    listColumn->addWidget(panIntestazione);
    listColumn->addWidget(lstRecords, 1);
    layout->addLayout(listColumn, 1);
}

int ResultList::textMargin() const
{
    // As the item views draw a text: the focus frame's margin and one pixel.
    return lstRecords->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, lstRecords) + 1;
}

void ResultList::setHeading(const QString &text)
{
    lblIntestazione->setText(text);
    panIntestazione->setVisible(!text.isEmpty());
    lblIntestazione->resize(lblIntestazione->sizeHint());
    panIntestazione->setFixedHeight(lblIntestazione->height() + 2 * kHeadingPadding + 1);
    placeHeading();
}

void ResultList::placeHeading()
{
    // The clip lies over the viewport's columns; the names start where an
    // item's text starts, less what the list has scrolled.
    const QWidget *viewport = lstRecords->viewport();
    const int left = viewport->mapTo(this, QPoint()).x() - panIntestazione->mapTo(this, QPoint()).x();
    m_headingClip->setGeometry(left, kHeadingPadding + 1, viewport->width(), lblIntestazione->height());
    lblIntestazione->move(textMargin() - lstRecords->horizontalScrollBar()->value(), 0);
}

QString ResultList::emptyListText()
{
    return QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");
}

void ResultList::reset()
{
    m_find.forget();
    txtTrova->clear();
}

void ResultList::clearFindText() { txtTrova->clear(); }

void ResultList::setLines(QStringList lines, QList<int> records)
{
    if (m_options.sorted)
        ResultLines::sort(lines, records);
    m_model->setLines(std::move(lines), std::move(records));
    m_model->setItemWidth(m_options.itemWidth);
    lstRecords->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lstRecords->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void ResultList::clear() { m_model->clear(); }

const QStringList &ResultList::lines() const { return m_model->lines(); }

int ResultList::count() const { return int(m_model->lines().size()); }

int ResultList::selectedIndex() const
{
    const QModelIndexList rows = lstRecords->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ResultList::setSelectedIndex(int index)
{
    if (index < 0 || index >= count()) {
        lstRecords->clearSelection();
        return;
    }
    const QModelIndex i = m_model->index(index);
    lstRecords->setCurrentIndex(i);
    lstRecords->selectionModel()->select(i, QItemSelectionModel::ClearAndSelect);
    lstRecords->scrollTo(i);
}

QString ResultList::selectedLine() const
{
    const int i = selectedIndex();
    return i < 0 ? QString() : lines().at(i);
}

int ResultList::selectedRecord() const { return m_model->recordAt(selectedIndex()); }

void ResultList::focusFind() { txtTrova->setFocus(); }

void ResultList::btnTrovaClick()
{
    const FindNext::Outcome outcome = m_find.next(lines(), selectedIndex(), txtTrova->text());
    if (outcome.result == FindNext::Result::EmptyList) {
        Messages::show(m_options.findMessage, emptyListText(), window());
        return;
    }
    setSelectedIndex(outcome.selected);
}

void ResultList::lstRecordsDblClick()
{
    if (m_options.doubleClick)
        emit recordRequested();
}

bool ResultList::eventFilter(QObject *watched, QEvent *event)
{
    // The heading follows every change of the list's place and width.
    const bool placed = event->type() == QEvent::Resize || event->type() == QEvent::Move;
    if (placed && (watched == lstRecords || watched == panIntestazione))
        placeHeading();
    if (watched == lstRecords->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        lstRecordsDblClick();
        return true;
    }
    if (watched == txtTrova && event->type() == QEvent::KeyPress && m_options.enterMovesToFind) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            btnTrova->setFocus();  // the search starts only when the button is pressed
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

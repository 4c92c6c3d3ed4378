#include "export/ExportWindow.h"
#include "export/ExportTableModel.h"
#include "export/ExportWriter.h"
#include "ui/FieldBehaviour.h"
#include "ui/Help.h"
#include "ui/Icons.h"
#include "ui/Messages.h"
#include "ui/Shell.h"
#include "ui/Theme.h"
#include "storage/ArchiveTexts.h"
#include "storage/DataFolder.h"
#include "storage/StorageError.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QShowEvent>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kStatus = QStringLiteral("Esportazione archivio in Microsoft Excel.");
const QString kAskExport = QStringLiteral(
    "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di "
    "schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
const QString kAskOpen = QStringLiteral(
    "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?");
const QString kFailure = QStringLiteral(
    "Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
    "Accertarsi che il file di Excel non sia già aperto.");

constexpr int kRowHeight = 21;

} // namespace

// The grid, able to hand over an edit still open when the export starts.
class ExportGrid : public QTableView
{
public:
    using QTableView::QTableView;
    void commitOpenEdit()
    {
        if (QWidget *editor = indexWidget(currentIndex())) {
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }
};

namespace {

// Busy cursor for the length of a long operation.
class WaitCursor
{
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

} // namespace

ExportWindow::ExportWindow(ExportWindowConfig config, QWidget *parent)
    : QDialog(parent), m_config(std::move(config)), m_table(*m_config.sheet)
{
    setObjectName(m_config.className);
    setWindowTitle(m_config.caption);
    // Fixed size, title bar only: the window is left through its own button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Theme::colour(Theme::Colour::ExportWindow));
    setPalette(pal);
    setAutoFillBackground(true);

    auto *top = new QHBoxLayout;
    top->setSpacing(6);
    top->addWidget(buildBanner(), 1);
    cmdEsporta = addButton("cmdEsporta", QStringLiteral("Esporta"), "excel",
                           QStringLiteral("Esporta l'archivio in formato Microsoft Excel."));
    cmdGuida = addButton("cmdGuida", QStringLiteral("Guida"), "help",
                         QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
    cmdEsci = addButton("cmdEsci", QStringLiteral("Esci"), "exit",
                        QStringLiteral("Esci da questo ambiente di lavoro."));
    for (QToolButton *b : {cmdEsporta, cmdGuida, cmdEsci})
        top->addWidget(b);
    connect(cmdEsporta, &QToolButton::clicked, this, &ExportWindow::cmdEsportaClick);
    connect(cmdGuida, &QToolButton::clicked, this, &ExportWindow::cmdGuidaClick);
    connect(cmdEsci, &QToolButton::clicked, this, &ExportWindow::cmdEsciClick);

    m_model = new ExportTableModel(m_table, this);
    grdRecords = new ExportGrid(this);
    grdRecords->setObjectName(QStringLiteral("grdRecords"));
    grdRecords->setModel(m_model);
    grdRecords->setAlternatingRowColors(true);
    grdRecords->setSelectionMode(QAbstractItemView::SingleSelection);
    grdRecords->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                | QAbstractItemView::AnyKeyPressed);
    grdRecords->setWordWrap(false);
    grdRecords->verticalHeader()->hide();
    grdRecords->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdRecords->verticalHeader()->setMinimumSectionSize(kRowHeight);
    grdRecords->verticalHeader()->setDefaultSectionSize(kRowHeight);
    grdRecords->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grdRecords->horizontalHeader()->setHighlightSections(false);
    grdRecords->setStyleSheet(Theme::sheet(Theme::Sheet::ExportGrid));
    m_table.addPlaceholderRows();
    sizeColumns();

    panInfo = new QLabel(kStatus, this);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    panInfo->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panInfo->setMargin(3);
    panInfo->setMinimumHeight(panInfo->fontMetrics().height() + 10);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 8);
    layout->setSpacing(8);
    layout->addLayout(top);
    layout->addWidget(grdRecords, 1);
    layout->addWidget(panInfo);
    setFixedSize(1100, 640);

    FieldBehaviour::installHintLine(this, panInfo);
    panInfo->setText(kStatus);
}

ExportWindow::~ExportWindow() = default;

QWidget *ExportWindow::buildBanner()
{
    auto *banner = new QFrame(this);
    banner->setObjectName(QStringLiteral("imgBanner"));
    banner->setStyleSheet(Theme::sheet(Theme::Sheet::ExportBanner));
    auto *icon = new QLabel(banner);
    icon->setPixmap(Icons::pixmap(QStringLiteral("excel"), 48));
    auto *title = new QLabel(m_config.caption.trimmed(), banner);
    title->setObjectName(QStringLiteral("lblTitolo"));
    title->setFont(Theme::font(Theme::Face::Title, 15, QFont::Bold));
    lblDettaglio = new QLabel(banner);
    lblDettaglio->setObjectName(QStringLiteral("lblDettaglio"));
    lblDettaglio->setFont(Theme::font(Theme::Face::Body, 9));

    auto *texts = new QVBoxLayout;
    texts->setSpacing(2);
    texts->addWidget(title);
    texts->addWidget(lblDettaglio);
    auto *row = new QHBoxLayout(banner);
    row->setContentsMargins(12, 8, 12, 8);
    row->setSpacing(12);
    row->addWidget(icon);
    row->addLayout(texts, 1);
    return banner;
}

QToolButton *ExportWindow::addButton(const char *name, const QString &text, const char *icon,
                                     const QString &hint)
{
    QToolButton *b = Icons::hintedButton(this, name, icon, 36, hint);
    b->setText(text);
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setMinimumWidth(76);
    return b;
}

void ExportWindow::sizeColumns()
{
    QHeaderView *header = grdRecords->horizontalHeader();
    QFont bold = header->font();
    bold.setBold(true);
    const QFontMetrics titleMetrics(bold);
    const QFontMetrics cellMetrics(grdRecords->font());
    header->resizeSection(0, titleMetrics.horizontalAdvance(QStringLiteral("000000")) + 16);
    // Wide enough for the title and for the first rows' text, within reason.
    const int sampleRows = qMin(m_table.rowCount(), 100);
    for (int c = 0; c < m_table.columnCount(); ++c) {
        int width = titleMetrics.horizontalAdvance(m_config.sheet->columns[c].gridTitle);
        for (int r = 0; r < sampleRows; ++r)
            width = qMax(width, cellMetrics.horizontalAdvance(m_table.text(r, c)));
        header->resizeSection(c + 1, qBound(70, width + 24, 360));
    }
}

QString ExportWindow::exportPath() const { return DataFolder::file(m_config.sheet->fileName); }

void ExportWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_filled)
        formShow();
}

void ExportWindow::formShow()
{
    m_filled = true;
    m_archive = m_config.archivePath().trimmed();
    m_model->beginReload();
    m_table = ExportTable(*m_config.sheet);
    bool failed = false;
    {
        WaitCursor wait;
        try {
            m_table.load(m_archive);
        } catch (const StorageError &) {
            failed = true;  // the rows read so far stay
        }
        if (m_table.rowCount() == 0)
            m_table.addPlaceholderRows();
    }
    m_model->endReload();
    sizeColumns();
    showArchiveSummary();
    // An unreadable archive must not pass for an empty one.
    if (failed)
        Messages::error(ArchiveTexts::ioFailure(), this);
}

void ExportWindow::showArchiveSummary()
{
    const QString archive = QFileInfo(m_archive).fileName();
    if (archive.isEmpty()) {
        lblDettaglio->setText(QStringLiteral("Nessun archivio aperto"));
        return;
    }
    const int n = m_table.recordCount();
    const QString count = n == 0 ? QStringLiteral("nessuna scheda")
                          : n == 1 ? QStringLiteral("1 scheda")
                                   : QString::number(n) + QStringLiteral(" schede");
    lblDettaglio->setText(QStringLiteral("Archivio %1: %2  \u2022  file di destinazione: %3")
                              .arg(archive, count, m_config.sheet->fileName));
}

void ExportWindow::cmdEsportaClick()
{
    if (!Messages::confirm(kAskExport, this))
        return;
    // An edit still open in the grid belongs to the export.
    grdRecords->commitOpenEdit();
    const QString path = exportPath();
    try {
        WaitCursor wait;
        ExportWriter::write(m_table, path);
    } catch (const StorageError &) {
        Messages::plain(kFailure, this);
        return;
    }
    if (Messages::confirm(kAskOpen, this))
        Shell::open(u'"' + path + u'"');
}

void ExportWindow::cmdGuidaClick()
{
    Help::open(this);
}

void ExportWindow::cmdEsciClick() { reject(); }

#include "Archives.h"
#include "TestSupport.h"
#include "ui/AppWindows.h"
#include "customers/CustomerRecord.h"
#include "customers/CustomerSearch.h"
#include "customers/InstalmentsDue.h"
#include "receipts/ReceiptRecord.h"
#include "receipts/ReceiptSearch.h"
#include "register/RegisterRecord.h"
#include "register/search/RegisterSearch.h"
#include "resultlist/ResultList.h"
#include "storage/DataFolder.h"
#include "summaries/Inventory.h"
#include "summaries/PayoutSummary.h"
#include "summaries/PeriodSummaryWindow.h"
#include "summaries/UnpaidReceipts.h"
#include "summaries/UnsoldList.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <functional>
#include <numeric>
#include <memory>

// The heading row of every fixed-width list: it names the columns where the
// lines have them, in the lines' font, at the lines' pixels, and follows a
// sideways scroll.
namespace {

// The longest values the columns can hold, so the lines are as wide as the
// archives ever make them.
void writeArchives(const TempDataDir &dir)
{
    RegisterRecord card;
    card.NumScheda = QStringLiteral("12");
    card.Data = QStringLiteral("15/03/2025");
    card.Natura = QStringLiteral("Anello in oro giallo 18 kt con");
    card.Descrizione = QStringLiteral("Fede nuziale liscia con incisione interna e brilla");
    card.Cliente = QStringLiteral("Bianchi Giovanna Maria Antonella");
    card.Valutazione = QStringLiteral("Oro 18 kt grammi 12,5 a 41,00 €");
    card.Importo = QStringLiteral("9999999,99");
    card.PrezzoVen = QStringLiteral("9999999,99");
    card.Venduto = QStringLiteral("No");
    QVERIFY(Archives::writeRegister({card}));

    CustomerRecord customer;
    customer.Cognome = QStringLiteral("Bianchi");
    customer.Nome = QStringLiteral("Giovanna Maria");
    customer.CodFisc = QStringLiteral("BNCGNN80A41F205X");
    customer.Zona = QStringLiteral("Oreficeria Bianchi di Milano");
    customer.Recapito = QStringLiteral("02 12345678");
    customer.Note = QStringLiteral("Cliente abituale");
    customer.Scadenza = QStringLiteral("10/06/2025");
    customer.Preavviso = QStringLiteral("10");
    customer.Rata = QStringLiteral("150,00");
    customer.Acquisto = QStringLiteral("Collana oro bianco");
    QVERIFY(Archives::write(dir.file(FileNames::customerArchive()), QList<CustomerRecord>{customer}));

    ReceiptRecord receipt;
    receipt.NumRic = QStringLiteral("123456789012");
    receipt.Data = QStringLiteral("10/05/2024");
    receipt.Cliente = QStringLiteral("Commerciale Gioielleria Esempio");
    receipt.CodFiscCliente = QStringLiteral("RSSMRA80A01H501U");
    receipt.Acconti = QStringLiteral("12345,67");
    receipt.Tassa = QStringLiteral("2,00");
    receipt.TotCorrispettivi = QStringLiteral("9999999,99");
    receipt.Totale = QStringLiteral("9987656,32");
    receipt.Saldata = QStringLiteral("No");
    QVERIFY(Archives::write(dir.file(QStringLiteral("2024.ric")), QList<ReceiptRecord>{receipt}));
}

// Stands for the windows the lists read from: the receipt window's archive
// and year, and the choosers' fields.
std::unique_ptr<QWidget> standIn(const QString &className, const QList<QPair<QString, QString>> &fields)
{
    auto w = std::make_unique<QWidget>();
    w->setObjectName(className);
    for (const auto &[name, text] : fields)
        (new QLineEdit(text, w.get()))->setObjectName(name);
    return w;
}

struct Opened
{
    std::unique_ptr<QWidget> owner;
    std::unique_ptr<ResultListDialog> window;
};
using Opener = std::function<Opened(const TempDataDir &)>;

// Shows a list window at the size it has at 1366x768: maximised ones fill
// the screen (the offscreen screen is smaller, so they are sized to it).
void showAtScreenSize(ResultListDialog *w)
{
    if (w->spec().maximised) {
        w->setWindowState(Qt::WindowNoState);
        w->resize(1366, 768);
    }
    w->show();
}

template <class W>
Opened search()
{
    Opened o{nullptr, std::make_unique<W>()};
    showAtScreenSize(o.window.get());
    TestSupport::click(o.window.get(), QStringLiteral("btnCerca"));
    return o;
}

template <class W>
Opened withOwner(std::unique_ptr<QWidget> owner, bool search = false)
{
    Opened o{std::move(owner), nullptr};
    o.window = std::make_unique<W>(o.owner.get());
    showAtScreenSize(o.window.get());
    if (search)
        TestSupport::click(o.window.get(), QStringLiteral("btnCerca"));
    return o;
}

std::unique_ptr<QWidget> receiptWindow(const TempDataDir &dir)
{
    auto w = standIn(QStringLiteral("TfrmRicevute"),
                     {{QStringLiteral("lblFile"), dir.file(QStringLiteral("2024.ric"))},
                      {QStringLiteral("lblAnno"), QStringLiteral("2024")}});
    AppWindows::add(w.get());
    return w;
}

std::unique_ptr<QWidget> payoutChooser()
{
    return standIn(QStringLiteral("TfrmMenuRiepCosti"),
                   {{QStringLiteral("txtEsecutore"), QString()},
                    {QStringLiteral("txtCCP"), QString()},
                    {QStringLiteral("lblDataInizio"), QStringLiteral("01/01/2025")},
                    {QStringLiteral("lblDataFine"), QStringLiteral("31/12/2025")}});
}

// How much ink each pixel column of a strip of `image` holds: per pixel,
// how far it lies from the strip's background towards its text colour, so
// the blue heading on grey and the black lines on white compare alike.
QList<double> inkProfile(const QImage &image, const QRect &strip)
{
    int light = 0;
    int dark = 255;
    for (int y = strip.top(); y <= strip.bottom(); ++y)
        for (int x = strip.left(); x <= strip.right(); ++x) {
            light = qMax(light, qGray(image.pixel(x, y)));
            dark = qMin(dark, qGray(image.pixel(x, y)));
        }
    QList<double> profile(strip.width(), 0.0);
    for (int x = 0; x < strip.width(); ++x)
        for (int y = strip.top(); y <= strip.bottom(); ++y)
            profile[x] += double(light - qGray(image.pixel(strip.left() + x, y))) / qMax(1, light - dark);
    return profile;
}

// The sideways shift, in pixels, that lays profile b best over profile a.
int bestShift(const QList<double> &a, const QList<double> &b)
{
    int best = 0;
    double bestDifference = -1;
    for (int shift = -6; shift <= 6; ++shift) {
        double difference = 0;
        for (qsizetype x = 6; x + 6 < a.size(); ++x)
            difference += qAbs(a[x] - b[x + shift]);
        if (bestDifference < 0 || difference < bestDifference) {
            bestDifference = difference;
            best = shift;
        }
    }
    return best;
}

} // namespace

class TestListHeadings : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_dir = std::make_unique<TempDataDir>();
        m_messages = std::make_unique<MessageRecorder>();
        writeArchives(*m_dir);
    }
    void cleanup()
    {
        AppWindows::clear();
        m_messages.reset();
        m_dir.reset();
    }
    void headingMatchesTheLines_data();
    void headingMatchesTheLines();
    void headingScrollsWithTheList_data() { headingMatchesTheLines_data(); }
    void headingScrollsWithTheList();

private:
    std::unique_ptr<TempDataDir> m_dir;
    std::unique_ptr<MessageRecorder> m_messages;
};

void TestListHeadings::headingMatchesTheLines_data()
{
    QTest::addColumn<Opener>("open");
    QTest::addColumn<QStringList>("names");     // the column names, in order
    QTest::addColumn<int>("valueColumn");       // a column whose value the test knows
    QTest::addColumn<QString>("value");
    QTest::newRow("register search") << Opener([](const TempDataDir &) { return search<TfrmTrovaRegistro>(); })
                                     << QStringList{u"Natura e qualità"_qs, u"Descrizione"_qs,
                                                    u"Cognome e nome cliente"_qs, u"Importo"_qs}
                                     << 2 << u"Bianchi Giovanna Maria Antonella"_qs;
    QTest::newRow("unsold objects") << Opener([](const TempDataDir &) {
        Opened o{nullptr, std::make_unique<TfrmDaVendere>()};
        showAtScreenSize(o.window.get());
        return o;
    }) << QStringList{u"Natura e qualità"_qs, u"Descrizione"_qs, u"Valutazione"_qs, u"Prezzo"_qs}
                                    << 3 << u"9999999,99"_qs;
    QTest::newRow("inventory") << Opener([](const TempDataDir &) {
        return withOwner<TfrmRiepilogo>(standIn(u"TfrmMenuRiepilogo"_qs, {{u"txtTipologia"_qs, QString()}}));
    }) << QStringList{u"Natura e qualità"_qs, u"Descrizione"_qs, u"Data"_qs, u"Cognome e nome cliente"_qs,
                      u"Importo"_qs}
                               << 2 << u"15/03/2025"_qs;
    QTest::newRow("payouts") << Opener([](const TempDataDir &) { return withOwner<TfrmRiepCosti>(payoutChooser()); })
                             << QStringList{u"Natura e qualità"_qs, u"Descrizione"_qs, u"Cognome e nome cliente"_qs,
                                            u"Importo"_qs}
                             << 3 << u"9999999,99"_qs;
    QTest::newRow("customer search") << Opener([](const TempDataDir &) { return search<TfrmTrovaClienti>(); })
                                     << QStringList{u"Cognome e nome"_qs, u"Codice fiscale"_qs, u"Ditta"_qs,
                                                    u"Telefono"_qs, u"Note"_qs}
                                     << 1 << u"BNCGNN80A41F205X"_qs;
    QTest::newRow("instalments due") << Opener([](const TempDataDir &) {
        Opened o{nullptr, std::make_unique<TfrmDaRinnovare>()};
        showAtScreenSize(o.window.get());
        return o;
    }) << QStringList{u"Cognome e nome"_qs, u"Telefono"_qs, u"Scadenza"_qs, u"Rata"_qs, u"Causale"_qs}
                                     << 2 << u"10/06/2025"_qs;
    const QStringList receiptNames{u"N. ricevuta"_qs, u"Data"_qs, u"Cliente"_qs, u"Codice fiscale"_qs,
                                   u"Acconti"_qs, u"Bollo"_qs, u"Totale"_qs};
    QTest::newRow("receipt search") << Opener([](const TempDataDir &dir) {
        return withOwner<TfrmTrovaRicevute>(receiptWindow(dir), true);
    }) << receiptNames << 6 << u"9999999,99"_qs;
    QTest::newRow("unpaid receipts")
        << Opener([](const TempDataDir &dir) { return withOwner<TfrmSospese>(receiptWindow(dir)); }) << receiptNames
        << 0 << u"123456789012"_qs;
    QTest::newRow("period summary")
        << Opener([](const TempDataDir &dir) { return withOwner<TfrmRiepAnnuale>(receiptWindow(dir)); })
        << receiptNames << 3 << u"RSSMRA80A01H501U"_qs;
}

void TestListHeadings::headingMatchesTheLines()
{
    QFETCH(Opener, open);
    QFETCH(QStringList, names);
    QFETCH(int, valueColumn);
    QFETCH(QString, value);
    const Opened opened = open(*m_dir);
    ResultListDialog *window = opened.window.get();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY2(m_messages->isEmpty(), qPrintable(m_messages->texts().join(u'|')));
    ResultList *list = window->list();
    QCOMPARE(list->count(), 1);
    auto *heading = window->findChild<QLabel *>(u"lblIntestazione"_qs);
    QVERIFY(heading);
    QVERIFY(heading->isVisible());

    // Characters: each name where its column starts in the line, and the
    // line really has its columns there (its separators just before them).
    const LineFormat &format = window->lineFormat();
    const QList<int> starts = format.columnStarts();
    QCOMPARE(starts.size(), names.size());
    const QString text = heading->text();
    const QString line = list->lines().first();
    for (int k = 0; k < names.size(); ++k) {
        QCOMPARE(text.mid(starts[k], names[k].size()), names[k]);
        QVERIFY2(starts[k] == 0 || text.at(starts[k] - 1) == u' ', qPrintable(text));
        const QString &before = format.columns()[k].before;
        QCOMPARE(line.mid(starts[k] - before.size(), before.size()), before);
    }
    QVERIFY2(line.mid(starts[valueColumn]).startsWith(value), qPrintable(line));

    // Pixels: the heading's text in the lines' font, each column name at the
    // window x where its column's text is drawn.
    QListView *view = list->view();
    const QModelIndex first = view->model()->index(0, 0);
    const QFont lineFont = first.data(Qt::FontRole).value<QFont>();
    QCOMPARE(heading->font(), lineFont);
    QCOMPARE(lineFont.pointSizeF(), 12.0);  // the lines keep their own size; a long one scrolls
    const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    const int lineLeft = view->viewport()->mapTo(window, view->visualRect(first).topLeft()).x() + margin;
    const int headingLeft = heading->mapTo(window, heading->contentsRect().topLeft()).x();
    const QFontMetricsF metrics(lineFont);
    for (int k = 0; k < names.size(); ++k)
        QCOMPARE(qRound(headingLeft + metrics.horizontalAdvance(text.left(starts[k]))),
                 qRound(lineLeft + metrics.horizontalAdvance(line.left(starts[k]))));

    // What the user sees: the same text in the heading is drawn on the
    // pixel columns of the line, not shifted by a single pixel.
    heading->setText(line);
    heading->resize(heading->sizeHint());
    const QImage shot = window->grab().toImage();
    const QPoint viewLeft = view->viewport()->mapTo(window, QPoint());
    const QRect row = view->visualRect(first).translated(viewLeft);
    const int width = view->viewport()->width();
    const QRect headingStrip(viewLeft.x(), heading->mapTo(window, QPoint()).y(), width, heading->height());
    const QList<double> headingInk = inkProfile(shot, headingStrip);
    QVERIFY(std::accumulate(headingInk.cbegin(), headingInk.cend(), 0.0) > 100);  // the text is there
    QCOMPARE(bestShift(headingInk, inkProfile(shot, QRect(viewLeft.x(), row.top(), width, row.height()))), 0);

}

void TestListHeadings::headingScrollsWithTheList()
{
    QFETCH(Opener, open);
    const Opened opened = open(*m_dir);
    ResultListDialog *window = opened.window.get();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto *heading = window->findChild<QLabel *>(u"lblIntestazione"_qs);
    QVERIFY(heading);
    QListView *view = window->list()->view();
    const QModelIndex first = view->model()->index(0, 0);
    const int before = heading->mapTo(window, QPoint()).x();
    const int itemBefore = view->visualRect(first).left();
    QScrollBar *bar = view->horizontalScrollBar();
    const int step = bar->maximum() / 2;
    QVERIFY(step >= 30);  // the item is wider than the list
    bar->setValue(step);
    QCOMPARE(view->visualRect(first).left(), itemBefore - step);
    QCOMPARE(heading->mapTo(window, QPoint()).x(), before - step);
    bar->setValue(0);
    QCOMPARE(heading->mapTo(window, QPoint()).x(), before);
}

QTEST_MAIN(TestListHeadings)
#include "tst_listheadings.moc"

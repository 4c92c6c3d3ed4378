#include "Archives.h"
#include "ui/Modal.h"
#include "receipts/ReceiptRecord.h"
#include "summaries/StatisticsChart.h"
#include "summaries/StatisticsPrinting.h"
#include "summaries/StatisticsSums.h"
#include "summaries/StatisticsWindow.h"
#include "resultlist/UnreadableRecord.h"
#include "ui/Theme.h"
#include "TestSupport.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {
void writeReceipts(const QString &path, const QList<QPair<QString, QString>> &dateAndAmount)
{
    QList<ReceiptRecord> records;
    int n = 0;
    for (const auto &[date, amount] : dateAndAmount) {
        ReceiptRecord r;
        r.NumRic = QString::number(++n);
        r.Data = date;
        r.TotCorrispettivi = amount;
        records.append(r);
    }
    QVERIFY(Archives::write(path, records));
}

// A year's archive with the awkward cases: two March receipts, a month that
// sums to 99,5, a receipt of another year and one with one-digit day and month.
void writeSampleYear(const TempDataDir &dir)
{
    writeReceipts(dir.file(QStringLiteral("2024.ric")),
                  {{QStringLiteral("15/03/2024"), QStringLiteral("100,40")},
                   {QStringLiteral("20/03/2024"), QStringLiteral("50,20")},
                   {QStringLiteral(" 01/12/2024 "), QStringLiteral("99")},
                   {QStringLiteral("31/12/2024"), QStringLiteral("0,5")},
                   {QStringLiteral("02/01/2023"), QStringLiteral("700")},
                   {QStringLiteral("5/3/2024"), QStringLiteral("40")},
                   {QString(), QStringLiteral("30")}});
}
} // namespace

class TestStatistics : public QObject
{
    Q_OBJECT
private slots:
    void monthlySumsByDatePosition();
    void roundingToEuros_data();
    void roundingToEuros();
    void unreadableAmountNamesTheReceipt();
    void copies_data();
    void copies();
    void openFillsTheChartAndKeepsItAcrossKinds();
    void legendSwatchesShowTheColoursOfTheirBars_data();
    void legendSwatchesShowTheColoursOfTheirBars();
    void yearFieldTakesFourDigitsOnly();
    void printingPresetsCopiesAndPrintsLandscape();
    void printingStopsOnNoOrCancel();
};

void TestStatistics::monthlySumsByDatePosition()
{
    TempDataDir dir;
    writeSampleYear(dir);
    QList<ReceiptDateCut::Unplaced> unplaced;
    const auto sums =
        StatisticsSums::monthlyTakings(dir.file(QStringLiteral("2024.ric")), QStringLiteral("2024"), &unplaced);
    QCOMPARE(sums[0], 0.0);  // the 2023 receipt is not January 2024
    QVERIFY(qAbs(sums[2] - 150.6) < 1e-9);  // 5/3/2024 falls in no month
    // ... and is named, with the receipt that has no date at all.
    QCOMPARE(unplaced.size(), 2);
    QCOMPARE(unplaced[0].number, QStringLiteral("6"));
    QCOMPARE(unplaced[0].date, QStringLiteral("5/3/2024"));
    QCOMPARE(unplaced[1].number, QStringLiteral("7"));
    QCOMPARE(unplaced[1].date, QString());
    QCOMPARE(sums[11], 99.5);
    const auto rounded = StatisticsSums::roundedToEuros(sums);
    QCOMPARE(rounded[2], 151.0);
    QCOMPARE(rounded[11], 100.0);

    // A year without an archive: created empty, twelve zeros.
    const auto none = StatisticsSums::monthlyTakings(dir.file(QStringLiteral("2030.ric")), QStringLiteral("2030"));
    QVERIFY(QFile::exists(dir.file(QStringLiteral("2030.ric"))));
    for (double v : none)
        QCOMPARE(v, 0.0);
}

void TestStatistics::roundingToEuros_data()
{
    QTest::addColumn<double>("sum");
    QTest::addColumn<double>("euros");
    QTest::newRow("150,6") << 150.6 << 151.0;
    QTest::newRow("99,5 up") << 99.5 << 100.0;
    QTest::newRow("99,49 down") << 99.49 << 99.0;
    // Just below one half in binary, but shown as 0,5 with 15 digits.
    QTest::newRow("0,49999999999999994") << 0.49999999999999994 << 1.0;
    QTest::newRow("zero") << 0.0 << 0.0;
}

void TestStatistics::roundingToEuros()
{
    QFETCH(double, sum);
    QFETCH(double, euros);
    QCOMPARE(StatisticsSums::roundedToEuros(sum), euros);
}

void TestStatistics::unreadableAmountNamesTheReceipt()
{
    TempDataDir dir;
    writeReceipts(dir.file(QStringLiteral("2024.ric")),
                  {{QStringLiteral("01/02/2024"), QStringLiteral("10")},
                   {QStringLiteral("02/02/2024"), QStringLiteral("dieci")}});
    try {
        StatisticsSums::monthlyTakings(dir.file(QStringLiteral("2024.ric")), QStringLiteral("2024"));
        QFAIL("an unreadable amount must stop the sums");
    } catch (const UnreadableRecord &bad) {
        QCOMPARE(bad.position, 2);
        QVERIFY(bad.message().contains(QStringLiteral("dieci")));
    }
}

void TestStatistics::copies_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("copies");
    QTest::newRow("3") << QStringLiteral("3") << 3;
    QTest::newRow("blanks around") << QStringLiteral(" 2 ") << 2;
    QTest::newRow("2x") << QStringLiteral("2x") << 1;
    QTest::newRow("blank") << QStringLiteral("   ") << 1;
    QTest::newRow("sign") << QStringLiteral("-2") << 1;
    QTest::newRow("zero") << QStringLiteral("0") << 1;
}

void TestStatistics::copies()
{
    QFETCH(QString, answer);
    QFETCH(int, copies);
    QCOMPARE(StatisticsPrinting::copiesFromAnswer(answer), copies);
}

void TestStatistics::openFillsTheChartAndKeepsItAcrossKinds()
{
    TempDataDir dir;
    writeSampleYear(dir);
    MessageRecorder messages;
    TfrmStatistiche window;
    window.show();
    auto *year = window.findChild<QLineEdit *>(QStringLiteral("txtAnno"));
    QCOMPARE(year->text(), QStringLiteral("2025"));  // the current year
    QVERIFY(window.findChild<QWidget *>(QStringLiteral("panAvvio"))->isVisible());
    QVERIFY(!window.findChild<QWidget *>(QStringLiteral("panContainer"))->isVisible());

    year->setText(QStringLiteral("2024"));
    TestSupport::click(&window, QStringLiteral("btnApri"));
    // The receipts the chart leaves out are named once, after the fill
    // (they used to be left out without a word).
    QCOMPARE(messages.texts(),
             QStringList{QStringLiteral("Attenzione: le seguenti ricevute non sono comprese nel grafico perché la "
                                        "loro data non è una data valida nel formato gg/mm/anno:\n\r\n\r"
                                        "Ric. n. 6 - data: \"5/3/2024\"\n\rRic. n. 7 - data: \"\"\n\r\n\r"
                                        "Correggere la data delle ricevute indicate.")});
    QCOMPARE(messages.last().kind, MessageKind::Warning);
    QVERIFY(window.findChild<QWidget *>(QStringLiteral("panContainer"))->isVisible());
    QVERIFY(!window.findChild<QWidget *>(QStringLiteral("panAvvio"))->isVisible());
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("lblTitolo"))->text(),
             QStringLiteral("Rappresentazione grafica delle ricevute emesse nell'anno 2024."));
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("memMarzo"))->text(), QStringLiteral("151"));
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("memDicembre"))->text(), QStringLiteral("100"));
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("memGennaio"))->text(), QStringLiteral("0"));

    auto *chart = window.findChild<StatisticsChart *>(QStringLiteral("ChartStats"));
    const auto before = chart->points();
    QCOMPARE(before.size(), 12);
    QCOMPARE(before[2].label, QStringLiteral("Marzo"));
    QCOMPARE(before[2].value, 151.0);
    QCOMPARE(before[8].colour, QColor::fromRgba(0xFFF0FBFF));
    QCOMPARE(before[11].colour, QColor::fromRgba(0xFF008000));

    TestSupport::click(&window, QStringLiteral("btnTorta"));
    QCOMPARE(chart->kind(), StatisticsChartData::Kind::Pie);
    TestSupport::click(&window, QStringLiteral("btnBarre"));
    QCOMPARE(chart->kind(), StatisticsChartData::Kind::Bars);
    const auto after = chart->points();
    for (int i = 0; i < 12; ++i) {
        QCOMPARE(after[i].value, before[i].value);
        QCOMPARE(after[i].colour, before[i].colour);
    }

    // The kind chosen stays for the next showing; the points do not.
    TestSupport::click(&window, QStringLiteral("btnTorta"));
    window.hide();
    window.show();
    QCOMPARE(chart->kind(), StatisticsChartData::Kind::Pie);
    QVERIFY(chart->points().isEmpty());
    QVERIFY(window.findChild<QWidget *>(QStringLiteral("panAvvio"))->isVisible());
}

void TestStatistics::legendSwatchesShowTheColoursOfTheirBars_data()
{
    QTest::addColumn<bool>("pie");
    QTest::addColumn<QSize>("size");
    QTest::newRow("bars") << false << QSize(800, 600);
    QTest::newRow("bars, wide: legend on one row") << false << QSize(1800, 600);
    QTest::newRow("bars, printed page") << false << QSize(1403, 992);
    QTest::newRow("pie") << true << QSize(800, 600);
    QTest::newRow("pie, wide") << true << QSize(1800, 700);
}

// The pixels, not the palette calls: whatever shading the bars and slices
// get, the swatch beside a month's name shows the colour of its bar.
void TestStatistics::legendSwatchesShowTheColoursOfTheirBars()
{
    QFETCH(bool, pie);
    QFETCH(QSize, size);
    StatisticsChartData chart;
    chart.kind = pie ? StatisticsChartData::Kind::Pie : StatisticsChartData::Kind::Bars;
    // Every month gets a bar and a slice wide enough to look inside.
    const double values[] = {1373, 1274, 1588, 1085, 520, 1121, 681, 651, 923, 1580, 2276, 4368};
    for (int i = 0; i < 12; ++i)
        chart.points.append({QStringLiteral("Mese %1").arg(i + 1), Theme::chartSeries(i), values[i]});

    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    StatisticsChartPlaces places;
    {
        QPainter painter(&image);
        paintStatisticsChart(painter, QRectF(QPointF(0, 0), QSizeF(size)), chart, &places);
    }
    QCOMPARE(places.swatches.size(), 12);
    QCOMPARE(places.faces.size(), 12);
    QSet<QRgb> seen;
    for (int i = 0; i < 12; ++i) {
        QCOMPARE(places.swatches[i].point, i);
        QCOMPARE(places.faces[i].point, i);
        const QPoint swatch = places.swatches[i].at.toPoint();
        const QPoint face = places.faces[i].at.toPoint();
        QVERIFY(image.rect().contains(swatch) && image.rect().contains(face));
        const QString legendColour = image.pixelColor(swatch).name(QColor::HexArgb);
        QCOMPARE(image.pixelColor(face).name(QColor::HexArgb), legendColour);
        QCOMPARE(legendColour, Theme::chartSeries(i).name(QColor::HexArgb));
        seen.insert(image.pixel(swatch));
    }
    QCOMPARE(seen.size(), 12);
}

void TestStatistics::yearFieldTakesFourDigitsOnly()
{
    TempDataDir dir;
    MessageRecorder messages;
    TfrmStatistiche window;
    window.show();
    auto *year = window.findChild<QLineEdit *>(QStringLiteral("txtAnno"));
    year->clear();
    TestSupport::typeInto(year, QStringLiteral("2a0b2"));
    QCOMPARE(year->text(), QStringLiteral("202"));
    TestSupport::click(&window, QStringLiteral("btnApri"));
    QCOMPARE(messages.entries().size(), 1);
    QCOMPARE(messages.last().kind, MessageKind::Warning);
    QCOMPARE(messages.last().text, QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
    QVERIFY(window.findChild<QWidget *>(QStringLiteral("panAvvio"))->isVisible());
    QVERIFY(!QFile::exists(dir.file(QStringLiteral("202.ric"))));
}

void TestStatistics::printingPresetsCopiesAndPrintsLandscape()
{
    TempDataDir dir;
    writeSampleYear(dir);
    MessageRecorder messages;
    FileScript input;
    ModalScript modal;
    TfrmStatistiche window;
    window.show();
    window.findChild<QLineEdit *>(QStringLiteral("txtAnno"))->setText(QStringLiteral("2024"));
    TestSupport::click(&window, QStringLiteral("btnApri"));
    messages.clear();  // the sample year's unplaced receipts

    const QString pdf = dir.file(QStringLiteral("grafico.pdf"));
    int preset = 0;
    input.answers = {QStringLiteral("3")};
    modal.then([&](QDialog *d) {
        auto *dialog = qobject_cast<QPrintDialog *>(d);
        preset = dialog->printer()->copyCount();
        dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
        dialog->printer()->setOutputFileName(pdf);
        dialog->printer()->setCopyCount(2);  // the user lowers the count in the dialog
        return int(QDialog::Accepted);
    });
    auto *chart = window.findChild<StatisticsChart *>(QStringLiteral("ChartStats"));
    QCOMPARE(StatisticsPrinting::run(&window, *chart), 2);
    QCOMPARE(preset, 3);
    QCOMPARE(messages.texts(), QStringList{QStringLiteral("Si vuole stampare il presente grafico statistico?")});
    QCOMPARE(messages.last().kind, MessageKind::Confirmation);

    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY(info.waitForFinished());
    const QString out = QString::fromLocal8Bit(info.readAllStandardOutput());
    const auto size = QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+)")).match(out);
    QVERIFY2(size.hasMatch(), qPrintable(out));
    QVERIFY(size.captured(1).toDouble() > size.captured(2).toDouble());  // landscape
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY(text.waitForFinished());
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY(printed.contains(QStringLiteral("Statistiche incassi annuali")));
    QVERIFY(printed.contains(QStringLiteral("151")));
}

void TestStatistics::printingStopsOnNoOrCancel()
{
    TempDataDir dir;
    MessageRecorder messages;
    FileScript input;
    ModalScript modal;
    StatisticsChart chart;
    messages.answerNext(false);
    QCOMPARE(StatisticsPrinting::run(nullptr, chart), 0);
    QVERIFY(input.captions.isEmpty() && modal.seen().isEmpty());

    // The copies box cancelled: no printer dialog.
    QCOMPARE(StatisticsPrinting::run(nullptr, chart), 0);
    QVERIFY(modal.seen().isEmpty());

    // "2x" gives one copy; cancelling the printer dialog prints nothing.
    int preset = 0;
    input.answers = {QStringLiteral("2x")};
    modal.then([&](QDialog *d) {
        preset = qobject_cast<QPrintDialog *>(d)->printer()->copyCount();
        return int(QDialog::Rejected);
    });
    QCOMPARE(StatisticsPrinting::run(nullptr, chart), 0);
    QCOMPARE(preset, 1);
}

QTEST_MAIN(TestStatistics)
#include "tst_statistics.moc"

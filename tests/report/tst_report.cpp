#include "PdfTools.h"
#include "TestSupport.h"
#include "report/ListReport.h"
#include "report/ObjectPainter.h"
#include "report/PageTemplate.h"
#include "report/Pictures.h"
#include "report/ReportOutput.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Report;

namespace {
// 254 dpi: ten pixels to the millimetre, so positions read straight off.
constexpr qreal kDpi = 254;
const QDateTime kPrintedAt(QDate(2025, 6, 15), QTime(10, 30, 5));

// The pixel of a point given in millimetres inside the 10 mm margins.
QColor at(const QImage &page, qreal xMm, qreal yMm)
{
    return page.pixelColor(qRound((10 + xMm) * 10), qRound((10 + yMm) * 10));
}

PageTemplate portrait() { return PageTemplate(QStringLiteral("Prova"), a4(QPageLayout::Portrait, 10)); }

QImage solid(int w, int h, const QColor &colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QStringList numberedLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines.append(QStringLiteral("Riga %1 dell'elenco").arg(i, 3, 10, QLatin1Char('0')));
    return lines;
}
} // namespace

class TestReport : public QObject
{
    Q_OBJECT
private slots:
    void objectsLandAtTheirMillimetres();
    void overlongTextIsCutAtTheEdgeOfItsBox();
    void textStaysInsideItsBox();
    void picturesKeepProportionsAndAreCentred_data();
    void picturesKeepProportionsAndAreCentred();
    void variablesAreFilledOnlyWhereAsked();
    void pdfCarriesTitleAndSubject();
    void pdfReplacesTheOldFileAndReportsFailure();
    void listReportFlowsOverPages_data();
    void listReportFlowsOverPages();
    void listReportPrintsEveryLineOnceInOrder();
    void defaultLogoIsABlueEuroSign();
};

void TestReport::objectsLandAtTheirMillimetres()
{
    PageTemplate page = portrait();
    page.add(rectangle(QStringLiteral("shpBox"), QRectF(20, 30, 40, 10), QColor(0xFF, 0xD7, 0x00)));
    page.add(verticalLine(QStringLiteral("linUp"), 100, 50, 20));
    const QImage image = renderPage(page, 0, kDpi, kPrintedAt);
    QCOMPARE(image.size(), QSize(2100, 2970));

    QCOMPARE(at(image, 40, 35), QColor(0xFF, 0xD7, 0x00));  // inside
    QCOMPARE(at(image, 19, 35), QColor(Qt::white));   // 1 mm left of it
    QCOMPARE(at(image, 61, 35), QColor(Qt::white));   // 1 mm right
    QCOMPARE(at(image, 40, 29), QColor(Qt::white));   // 1 mm above
    QCOMPARE(at(image, 40, 41), QColor(Qt::white));   // 1 mm below
    QCOMPARE(at(image, 20, 35), QColor(Qt::black));   // its outline
    QCOMPARE(at(image, 100, 60), QColor(Qt::black));  // the line
    QCOMPARE(at(image, 101, 60), QColor(Qt::white));
    QCOMPARE(at(image, 100, 71), QColor(Qt::white));
}

void TestReport::overlongTextIsCutAtTheEdgeOfItsBox()
{
    // Arial 8 pt: ten letters A..J are 6.334 em = 17.88 mm, so in a 50 mm box
    // 28 letters start inside it (the 28th, H, from 49.4 mm) and no more.
    QTemporaryDir dir;
    PageTemplate page = portrait();
    page.add(text(QStringLiteral("txtLungo"), QRectF(0, 0, 50, 4), 8,
                  QStringLiteral("ABCDEFGHIJ").repeated(25)));
    page.add(text(QStringLiteral("txtCorto"), QRectF(0, 10, 50, 4), 8, QStringLiteral("Anello oro"),
                  Qt::AlignRight));
    const QString pdf = dir.filePath(QStringLiteral("cut.pdf"));
    QVERIFY(writePdf(page, pdf, {}, kPrintedAt));
    const QStringList lines = PdfTools::text(pdf).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.value(0).trimmed(), QStringLiteral("ABCDEFGHIJABCDEFGHIJABCDEFGH"));
    QCOMPARE(lines.value(1).trimmed(), QStringLiteral("Anello oro"));
}

void TestReport::textStaysInsideItsBox()
{
    // A long text in a small box: no ink right of the box or below it.
    PageTemplate page = portrait();
    page.add(text(QStringLiteral("txtLungo"), QRectF(10, 10, 30, 4), 11,
                  QStringLiteral("Collana in oro giallo con pendente ").repeated(8)));
    const QImage image = renderPage(page, 0, kDpi, kPrintedAt);
    const QRect box(200, 200, 300, 40);
    bool inkInside = false;
    for (int y = 150; y < 400; ++y) {
        for (int x = 150; x < 1500; ++x) {
            const bool ink = image.pixelColor(x, y) != QColor(Qt::white);
            if (box.contains(x, y))
                inkInside |= ink;
            else if (ink)
                QFAIL(qPrintable(QStringLiteral("ink outside the box at %1,%2").arg(x).arg(y)));
        }
    }
    QVERIFY(inkInside);
}

void TestReport::picturesKeepProportionsAndAreCentred_data()
{
    QTest::addColumn<QSize>("pictureSize");
    QTest::addColumn<QRectF>("expectedMm");  // where the picture must land in a 40 x 40 mm box at 0,0
    QTest::newRow("wide") << QSize(200, 100) << QRectF(0, 10, 40, 20);
    QTest::newRow("tall") << QSize(100, 400) << QRectF(15, 0, 10, 40);
    QTest::newRow("small is enlarged") << QSize(8, 8) << QRectF(0, 0, 40, 40);
}

void TestReport::picturesKeepProportionsAndAreCentred()
{
    QFETCH(QSize, pictureSize);
    QFETCH(QRectF, expectedMm);
    PageTemplate page = portrait();
    page.add(picture(QStringLiteral("imgFoto"), QRectF(0, 0, 40, 40)));
    QVERIFY(page.setPicture(QStringLiteral("imgFoto"), solid(pictureSize.width(), pictureSize.height(), Qt::red)));
    const QImage image = renderPage(page, 0, kDpi, kPrintedAt);
    const QRectF inner = expectedMm.adjusted(0.5, 0.5, -0.5, -0.5);
    QCOMPARE(at(image, inner.left(), inner.top()), QColor(Qt::red));
    QCOMPARE(at(image, inner.right(), inner.bottom()), QColor(Qt::red));
    if (expectedMm.top() > 0)
        QCOMPARE(at(image, 20, expectedMm.top() - 0.5), QColor(Qt::white));
    if (expectedMm.left() > 0)
        QCOMPARE(at(image, expectedMm.left() - 0.5, 20), QColor(Qt::white));
}

void TestReport::variablesAreFilledOnlyWhereAsked()
{
    QTemporaryDir dir;
    PageTemplate page = portrait();
    page.add(text(QStringLiteral("txtCalce"), QRectF(0, 0, 150, 4), 8,
                  QStringLiteral("Stampa del [DATE] alle [TIME]")));
    page.object(QStringLiteral("txtCalce"))->variables = true;
    page.add(text(QStringLiteral("txtNote"), QRectF(0, 10, 150, 4), 8, QStringLiteral("Nota [DATE] letterale")));
    const QString pdf = dir.filePath(QStringLiteral("variables.pdf"));
    QVERIFY(writePdf(page, pdf, {}, kPrintedAt));
    const QString printed = PdfTools::text(pdf);
    QVERIFY2(printed.contains(QStringLiteral("Stampa del 15/06/2025 alle 10:30:05")), qPrintable(printed));
    QVERIFY2(printed.contains(QStringLiteral("Nota [DATE] letterale")), qPrintable(printed));
    QVERIFY(!page.setText(QStringLiteral("txtNessuno"), QStringLiteral("x")));
    QVERIFY(!page.setPicture(QStringLiteral("txtNote"), solid(2, 2, Qt::red)));
}

void TestReport::pdfCarriesTitleAndSubject()
{
    QTemporaryDir dir;
    PageTemplate page = portrait();
    page.add(text(QStringLiteral("txtA"), QRectF(0, 0, 50, 4), 8, QStringLiteral("Pagina")));
    const QString pdf = dir.filePath(QStringLiteral("meta.pdf"));
    QVERIFY(writePdf(page, pdf, {QStringLiteral("Ricevuta"), QStringLiteral("Ricevuta & copia")}, kPrintedAt));
    const QString info = PdfTools::info(pdf);
    QVERIFY2(info.simplified().contains(QStringLiteral("Title: Ricevuta Creator: Valtrena")), qPrintable(info));
    const QString meta = PdfTools::info(pdf, true);
    QVERIFY2(meta.contains(QStringLiteral("<dc:description><rdf:Alt><rdf:li xml:lang=\"x-default\">"
                                          "Ricevuta &amp; copia</rdf:li>")),
             qPrintable(meta));
    QCOMPARE(PdfTools::pageCount(pdf), 1);
    // Page size: A4 in points.
    QVERIFY2(info.contains(QStringLiteral("595 x 842 pts (A4)")), qPrintable(info));
}

void TestReport::pdfReplacesTheOldFileAndReportsFailure()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("Ricevuta.pdf"));
    PageTemplate page = portrait();
    page.add(text(QStringLiteral("txtNum"), QRectF(0, 0, 50, 4), 8, QStringLiteral("Prima")));
    QVERIFY(writePdf(page, pdf, {}, kPrintedAt));
    page.setText(QStringLiteral("txtNum"), QStringLiteral("Seconda"));
    QVERIFY(writePdf(page, pdf, {}, kPrintedAt));
    const QString printed = PdfTools::text(pdf);
    QVERIFY(printed.contains(QStringLiteral("Seconda")));
    QVERIFY(!printed.contains(QStringLiteral("Prima")));

    QVERIFY(!writePdf(page, dir.filePath(QStringLiteral("manca/Ricevuta.pdf")), {}, kPrintedAt));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("manca/Ricevuta.pdf"))));
}

void TestReport::listReportFlowsOverPages_data()
{
    // 190 mm of printable height, 8 mm title band, lines of 3.392 mm, 2.65 mm
    // under the text and an 8 mm footer: 53 lines fill the first page, 56
    // the next ones, and the footer fits under at most 50 lines on page one.
    QTest::addColumn<int>("lines");
    QTest::addColumn<QList<int>>("linesPerPage");
    QTest::addColumn<int>("footerPage");
    QTest::newRow("empty") << 0 << QList<int>{0} << 0;
    QTest::newRow("footer still fits") << 50 << QList<int>{50} << 0;
    QTest::newRow("footer moves on") << 51 << QList<int>{51, 0} << 1;
    QTest::newRow("first page full") << 53 << QList<int>{53, 0} << 1;
    QTest::newRow("four pages") << 200 << QList<int>{53, 56, 56, 35} << 3;
}

void TestReport::listReportFlowsOverPages()
{
    QFETCH(int, lines);
    QFETCH(QList<int>, linesPerPage);
    QFETCH(int, footerPage);
    ListReport report;
    report.setLines(numberedLines(lines));
    const QList<ListReport::PagePlan> plan = report.plan();
    QList<int> counts;
    int footerAt = -1;
    for (int i = 0; i < plan.size(); ++i) {
        counts.append(plan.at(i).lineCount);
        if (plan.at(i).footerTop >= 0) {
            QCOMPARE(footerAt, -1);
            footerAt = i;
        }
        QCOMPARE(plan.at(i).title, i == 0);
    }
    QCOMPARE(counts, linesPerPage);
    QCOMPARE(footerAt, footerPage);
}

void TestReport::listReportPrintsEveryLineOnceInOrder()
{
    QTemporaryDir dir;
    ListReport report;
    report.setTitle(QStringLiteral("Riepilogo clienti in archivio"));
    report.setLines(numberedLines(120));
    const QString pdf = dir.filePath(QStringLiteral("elenco.pdf"));
    QVERIFY(writePdf(report, pdf, {}, kPrintedAt));
    const QString info = PdfTools::info(pdf).simplified();
    QVERIFY2(info.contains(QStringLiteral("842 x 595 pts (A4)")), qPrintable(info));  // landscape
    QVERIFY2(info.contains(QStringLiteral("Title: Riepilogo dati")), qPrintable(info));  // its name by default

    const QStringList pages = PdfTools::text(pdf).split(u'\f');
    QCOMPARE(PdfTools::pageCount(pdf), 3);
    QStringList printed;
    for (const QString &line : PdfTools::text(pdf).split(u'\n'))
        if (line.contains(QStringLiteral("Riga ")))
            printed.append(line.trimmed());
    QCOMPARE(printed, numberedLines(120));
    QVERIFY(pages.at(0).contains(QStringLiteral("Riepilogo clienti in archivio")));
    QVERIFY(!pages.at(1).contains(QStringLiteral("Riepilogo clienti")));
    QVERIFY(!pages.at(1).contains(QStringLiteral("Stampa eseguita")));
    QVERIFY(pages.at(2).contains(QStringLiteral("Stampa eseguita in data 15/06/2025")));

    // The monospaced lines keep their columns: every line starts at the same x.
    ListReport columns;
    columns.setLines({QStringLiteral("AAAA  -  uno"), QStringLiteral("iiii  -  due")});
    columns.setFooter(QStringLiteral("Stampa eseguita in data [DATE] alle ore [TIME]"));
    const QString columnsPdf = dir.filePath(QStringLiteral("colonne.pdf"));
    QVERIFY(writePdf(columns, columnsPdf, {}, kPrintedAt));
    const QString layout = PdfTools::text(columnsPdf);
    const QStringList rows = layout.split(u'\n');
    const auto column = [&rows](const QString &needle) -> qsizetype {
        for (const QString &row : rows)
            if (row.contains(needle))
                return row.indexOf(needle);
        return -1;
    };
    QVERIFY(column(QStringLiteral("uno")) > 0);
    QCOMPARE(column(QStringLiteral("uno")), column(QStringLiteral("due")));
    QVERIFY(layout.contains(QStringLiteral("Stampa eseguita in data 15/06/2025 alle ore 10:30:05")));
}

void TestReport::defaultLogoIsABlueEuroSign()
{
    TempDataDir data;
    const QImage logo = Pictures::companyLogo();
    QCOMPARE(logo.size(), QSize(297, 184));
    QCOMPARE(logo, Pictures::defaultLogo());
    int blue = 0;
    for (int y = 0; y < logo.height(); ++y)
        for (int x = 0; x < logo.width(); ++x) {
            const QColor c = logo.pixelColor(x, y);
            blue += c.blue() > 150 && c.red() < 100;
        }
    QVERIFY(blue > 5000);

    // An unreadable file is no logo either; a real picture is used as it is.
    data.writeBytes(QStringLiteral("Logo.bmp"), "not a bitmap");
    QCOMPARE(Pictures::companyLogo(), Pictures::defaultLogo());
    QVERIFY(solid(30, 20, Qt::green).save(data.file(QStringLiteral("Logo.bmp")), "BMP"));
    QCOMPARE(Pictures::companyLogo().size(), QSize(30, 20));
}

QTEST_MAIN(TestReport)
#include "tst_report.moc"

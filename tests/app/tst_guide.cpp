#include "PdfTools.h"
#include "app/GuideBook.h"
#include "app/Startup.h"
#include "ui/Help.h"
#include "report/Booklet.h"
#include "report/ObjectPainter.h"
#include "report/ReportOutput.h"

#include <QFile>
#include <QFontMetricsF>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {
// The text of one page, with the printed ligatures ("ﬁ") as plain letters.
QString pageText(const QString &pdf, int page)
{
    return PdfTools::pageText(pdf, page).normalized(QString::NormalizationForm_KC);
}

QHash<QString, QImage> samplePictures(const QList<GuideBook::Chapter> &chapters)
{
    QHash<QString, QImage> pictures;
    for (const GuideBook::Chapter &chapter : chapters) {
        QImage picture(1366, 768, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        pictures.insert(chapter.window, picture);
    }
    return pictures;
}

// The contents page lists each chapter with its page: title -> page.
QList<QPair<QString, int>> contents(const QString &firstPage, const QList<GuideBook::Chapter> &chapters)
{
    QList<QPair<QString, int>> found;
    for (const GuideBook::Chapter &chapter : chapters) {
        const QRegularExpression row(QRegularExpression::escape(chapter.topic.title) + QStringLiteral("\\s+(\\d+)"));
        const auto match = row.match(firstPage);
        found.append({chapter.topic.title, match.hasMatch() ? match.captured(1).toInt() : 0});
    }
    return found;
}

// Every chapter starts on the page the contents give, with its title, and
// its help text follows.
void checkChapters(const QString &pdf, const QList<GuideBook::Chapter> &chapters)
{
    const QString first = pageText(pdf, 1);
    QVERIFY(first.contains(QStringLiteral("Indice")));
    int previous = 1;
    const QList<QPair<QString, int>> rows = contents(first, chapters);
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const auto &[title, page] = rows[i];
        QVERIFY2(page > previous, qPrintable(title));
        previous = page;
        const QString text = pageText(pdf, page);
        QVERIFY2(text.trimmed().startsWith(title), qPrintable(title));
        // The first words of the help text stand on the chapter's first page.
        const QString opening = chapters[i].topic.text.section(u' ', 0, 2);
        QVERIFY2(text.simplified().contains(opening), qPrintable(opening));
    }
}
} // namespace

class TestGuide : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Startup::registerModules(); }

    // Windows that share a help show the same entry; none is left without one.
    void everyHelpButtonHasItsEntry_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("title");
        const QString receipts = QStringLiteral("Applicazione Emissione ricevute.");
        const QString inventory = QStringLiteral("Applicazione Inventario oggetti preziosi.");
        const QString periods = QStringLiteral("Riepiloghi ricevute emesse.");
        QTest::newRow("receipt chooser") << "TfrmMenuRicevute" << receipts;
        QTest::newRow("receipt window") << "TfrmRicevute" << receipts;
        QTest::newRow("inventory chooser") << "TfrmMenuRiepilogo" << inventory;
        QTest::newRow("inventory") << "TfrmRiepilogo" << inventory;
        QTest::newRow("quarterly") << "TfrmRiepTrimestrale" << periods;
        QTest::newRow("annual") << "TfrmRiepAnnuale" << periods;
        QTest::newRow("payouts") << "TfrmRiepCosti" << QStringLiteral("Applicazione Riepilogo esborsi.");
        QTest::newRow("reporting") << "TfrmSegnalazioni" << QStringLiteral("Applicazione Segnalazioni di operazioni sospette.");
    }
    void everyHelpButtonHasItsEntry()
    {
        QFETCH(QString, window);
        QFETCH(QString, title);
        const HelpTopic topic = Help::of(window);
        QCOMPARE(topic.title, title);
        QVERIFY(!topic.text.isEmpty());
    }

    void chaptersCoverEveryArea()
    {
        const QList<GuideBook::Chapter> chapters = GuideBook::chapters();
        QCOMPARE(chapters.size(), 12);
        QStringList titles;
        for (const GuideBook::Chapter &chapter : chapters) {
            QVERIFY2(!chapter.topic.text.isEmpty(), qPrintable(chapter.topic.title));
            QVERIFY(!chapter.window.isEmpty());
            titles.append(chapter.topic.title);
        }
        QCOMPARE(titles.first(), QStringLiteral("Guida a Valtrena."));
        QVERIFY(titles.contains(QStringLiteral("Applicazione Registro Operazioni.")));
        QVERIFY(titles.contains(QStringLiteral("Esportazione archivio ricevute in Microsoft Excel.")));
        QCOMPARE(QSet<QString>(titles.begin(), titles.end()).size(), titles.size());
    }

    // Long paragraphs wrap inside the page: no line is wider than the box,
    // no word is lost or split, only a word wider than the box is cut.
    void wrapKeepsEveryWord()
    {
        const Report::Booklet::TextStyle style;
        const QString text = GuideBook::chapters().at(1).topic.text;
        const qreal width = 120;
        const QStringList lines = Report::Booklet::wrap(text, style, width);
        QVERIFY(lines.size() > text.count(u'\n') + 5);
        Report::Object probe;
        probe.fontFamily = style.fontFamily;
        probe.pointSize = style.pointSize;
        const QFontMetricsF metrics(Report::fontOf(probe));
        const qreal widthPixels = width / 25.4 * metrics.fontDpi();
        for (const QString &line : lines)
            QVERIFY2(metrics.horizontalAdvance(line) <= widthPixels, qPrintable(line));
        QCOMPARE(lines.join(u' ').simplified(), QString(text).replace(u'\n', u' ').simplified());

        const QString longWord(200, u'x');
        const QStringList cut = Report::Booklet::wrap(longWord, style, 50);
        QVERIFY(cut.size() > 1);
        QCOMPARE(cut.join(QString()), longWord);
    }

    void writtenBookReadsBack()
    {
        const QList<GuideBook::Chapter> chapters = GuideBook::chapters();
        const Report::Booklet book = GuideBook::build(chapters, samplePictures(chapters));
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("Guida.pdf"));
        QVERIFY(Report::writePdf(book, pdf, {}, QDateTime(QDate(2025, 6, 15), QTime(10, 30))));
        QCOMPARE(PdfTools::pageCount(pdf), book.pageCount());
        QVERIFY(book.pageCount() > chapters.size());
        QCOMPARE(PdfTools::imageCount(pdf), chapters.size());
        QVERIFY(pageText(pdf, book.pageCount())
                    .contains(QStringLiteral("Pagina %1 di %1").arg(book.pageCount())));
        checkChapters(pdf, chapters);
    }

    // The build drew Guida.pdf beside the program from the same chapters.
    void builtGuideBesideTheProgram()
    {
        const QString pdf = QStringLiteral(VALTRENA_GUIDE_PDF);
        QVERIFY2(QFile::exists(pdf), qPrintable(pdf));
        const QList<GuideBook::Chapter> chapters = GuideBook::chapters();
        QVERIFY(PdfTools::pageCount(pdf) > chapters.size());
        QCOMPARE(PdfTools::imageCount(pdf), chapters.size());
        checkChapters(pdf, chapters);
    }
};

QTEST_MAIN(TestGuide)
#include "tst_guide.moc"

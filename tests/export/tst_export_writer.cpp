#include "ExportArchives.h"
#include "TestSupport.h"
#include "export/ExportSheet.h"
#include "export/ExportTable.h"
#include "export/ExportWriter.h"

#include <QFileInfo>
#include <QTest>

namespace {
const QByteArray kCellStart = QByteArrayLiteral("<td style=\"text-align: left;\">");
const QByteArray kTableEnd = QByteArrayLiteral("</table></body></html>");
}

class TestExportWriter : public QObject
{
    Q_OBJECT
private slots:
    void cellText_data();
    void cellText();
    void emptyArchiveWritesTitleRowOnly();
    void typedPlaceholderRowIsWritten();
    void damagedArchiveKeepsWholeRecords();
    void fileWrittenInBlocksEqualsWholeText();
    void customerSoldToColumnEndsWithTheWindowsTradeName();
};

void TestExportWriter::cellText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("plain") << QByteArray("Anello") << QByteArray("Anello");
    QTest::newRow("blanks and controls trimmed") << QByteArray(" \t Anello oro \r\n") << QByteArray("Anello oro");
    QTest::newRow("only blanks") << QByteArray("   ") << QByteArray();
    QTest::newRow("markup escaped") << QByteArray("<b>a & b</b>") << QByteArray("&lt;b&gt;a &amp; b&lt;/b&gt;");
    QTest::newRow("entity text kept literal") << QByteArray("&amp;") << QByteArray("&amp;amp;");
    QTest::newRow("high bytes pass") << QByteArray("qualit\xe0 \x80") << QByteArray("qualit\xe0 \x80");
    // Long cells are looked through sixteen bytes at a time: markup at the
    // last byte of a block, at the first of the next, and in the tail.
    QTest::newRow("markup around block edges")
        << QByteArray("Anello oro 18 k<&t bianco e rosso>x")
        << QByteArray("Anello oro 18 k&lt;&amp;t bianco e rosso&gt;x");
    QTest::newRow("long plain cell") << QByteArray(40, 'a') << QByteArray(40, 'a');
}

void TestExportWriter::cellText()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, written);
    ByteBuffer out;
    ExportWriter::appendCell(out, text);
    QCOMPARE(out.take(), kCellStart + written + QByteArrayLiteral("</td>"));
}

void TestExportWriter::emptyArchiveWritesTitleRowOnly()
{
    TempDataDir dir;
    const QString archive = dir.file(QStringLiteral("Clienti.pro"));
    ExportTable table(ExportSheets::customerSheet());
    table.load(archive);
    QVERIFY(QFileInfo::exists(archive));  // opened as every archive is: created when missing
    table.addPlaceholderRows();
    QCOMPARE(table.rowCount(), ExportTable::kPlaceholderRows);

    const QByteArray file = ExportWriter::render(table);
    QCOMPARE(file.count("<tr>"), 1);
    QVERIFY(file.endsWith(QByteArray(QByteArrayLiteral("Note</td></tr>") + kTableEnd)));
}

void TestExportWriter::typedPlaceholderRowIsWritten()
{
    ExportTable table(ExportSheets::receiptSheet());
    table.addPlaceholderRows();
    table.setText(4, 11, QStringLiteral("  nota à mano "));
    const QByteArray file = ExportWriter::render(table);
    QCOMPARE(file.count("<tr>"), 2);
    QVERIFY(file.contains(QByteArray(kCellStart + QByteArrayLiteral("nota \xe0 mano</td>"))));
}

void TestExportWriter::damagedArchiveKeepsWholeRecords()
{
    // A length byte beyond the field's capacity and a torn last record.
    QByteArray bytes = ExportArchives::encode({ExportArchives::firstCard()});
    const int venduto = RegisterRecordLayout::indexOf(u"Venduto");
    bytes[RegisterRecordLayout::offsets()[size_t(venduto)]] = char(200);
    bytes += bytes.left(1000);
    TempDataDir dir;
    dir.writeBytes(QStringLiteral("Registro_Operazioni.vtr"), bytes);

    ExportTable table(ExportSheets::registerSheet());
    table.load(dir.file(QStringLiteral("Registro_Operazioni.vtr")));
    QCOMPARE(table.recordCount(), 1);
    QCOMPARE(table.text(0, 24), QStringLiteral("No"));
    QCOMPARE(table.text(0, 12), QStringLiteral("Roma RM"));
}

void TestExportWriter::fileWrittenInBlocksEqualsWholeText()
{
    // Several output blocks' worth of rows.
    const QByteArray card = ExportArchives::encode({ExportArchives::firstCard()});
    TempDataDir dir;
    dir.writeBytes(QStringLiteral("Registro_Operazioni.vtr"), card.repeated(4000));
    ExportTable table(ExportSheets::registerSheet());
    table.load(dir.file(QStringLiteral("Registro_Operazioni.vtr")));
    QCOMPARE(table.recordCount(), 4000);

    ExportWriter::write(table, dir.file(QStringLiteral("Registro_Operazioni.xls")));
    const QByteArray whole = ExportWriter::render(table);
    QVERIFY(whole.size() > 3 * (1 << 20));
    QCOMPARE(whole.count("<tr>"), 4001);
    QVERIFY(dir.readBytes(QStringLiteral("Registro_Operazioni.xls")) == whole);
}

QTEST_MAIN(TestExportWriter)
// The export's column 16 must name the same shop as the customer window's
// label "Oggetti venduti a Compro Oro:" (it once said "Valtrena").
void TestExportWriter::customerSoldToColumnEndsWithTheWindowsTradeName()
{
    const ExportSheet &sheet = ExportSheets::customerSheet();
    QVERIFY(sheet.columns.size() > 15);
    QCOMPARE(sheet.columns[15].title, QStringLiteral("Oggetti venduti a Compro Oro"));
    QCOMPARE(sheet.columns[15].gridTitle, sheet.columns[15].title);
}

#include "tst_export_writer.moc"

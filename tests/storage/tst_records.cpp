#include "customers/CustomerRecord.h"
#include "receipts/ReceiptRecord.h"
#include "register/RegisterRecord.h"
#include "storage/RecordFile.h"
#include "storage/StorageError.h"
#include "TestSupport.h"

#include <QTest>

namespace {
// A slot written by hand: length byte at `offset`, then the text bytes.
void put(QByteArray &record, int offset, const QByteArray &text)
{
    record[offset] = char(text.size());
    record.replace(offset + 1, text.size(), text);
}
} // namespace

class TestRecords : public QObject
{
    Q_OBJECT
private slots:
    void registerLayoutMatchesHandBuiltBytes()
    {
        RegisterRecord r;
        r.NumScheda = QStringLiteral("12/2025");
        r.Data = QStringLiteral("15/06/2025");
        r.Importo = QStringLiteral("  350,50 ");
        r.Cliente = QStringLiteral("Rossi Mario");
        r.CodFisc = QStringLiteral("RSSMRA80A01H501U");
        r.Descrizione = QString(60, u'x');  // cut to 55
        r.Venduto = QStringLiteral("Sì");
        r.Desc03 = QStringLiteral("ultima");

        QByteArray expected(3438, '\0');
        put(expected, 0, "12/2025");
        put(expected, 31, "15/06/2025");
        put(expected, 48, "350,50");
        put(expected, 986, "Rossi Mario");
        put(expected, 1037, "RSSMRA80A01H501U");
        put(expected, 1809, QByteArray(55, 'x'));
        put(expected, 1929, "S\xEC");
        put(expected, 3187, "ultima");
        QCOMPARE(RegisterRecordLayout::encode(r), expected);
        QCOMPARE(QByteArray(expected.constData() + 1929, 3), QByteArray("\x02\x53\xEC", 3));

        const RegisterRecord back = RegisterRecordLayout::decode(expected);
        QCOMPARE(back.Importo, QStringLiteral("350,50"));
        QCOMPARE(back.Venduto, QStringLiteral("Sì"));
        QCOMPARE(back.Descrizione.size(), 55);
    }

    void customerAndReceiptOffsets()
    {
        CustomerRecord c;
        c.Cognome = QStringLiteral("Bianchi");
        c.Totale = QStringLiteral("1234567890,12345");  // 16 characters, capacity 15
        c.Rata = QStringLiteral("100,00");
        c.Desc03 = QStringLiteral("fine");
        QByteArray ce(4043, '\0');
        put(ce, 0, "Bianchi");
        put(ce, 2419, "1234567890,1234");
        put(ce, 2486, "100,00");
        put(ce, 3792, "fine");
        QCOMPARE(CustomerRecordLayout::encode(c), ce);

        ReceiptRecord r;
        r.NumRic = QStringLiteral("7");
        r.Desc30 = QStringLiteral("Anello");
        r.Prezzo01 = QStringLiteral("10,5");
        r.Prezzo30 = QStringLiteral("99");
        r.Saldata = QStringLiteral("No");
        QByteArray re(3077, '\0');
        put(re, 0, "7");
        put(re, 2644, "Anello");
        put(re, 2700, "10,5");
        put(re, 3019, "99");
        put(re, 3074, "No");
        QCOMPARE(ReceiptRecordLayout::encode(r), re);
    }

    void textsAreTrimmedAndCodedInWindows1252()
    {
        RegisterRecord r;
        r.Cliente = QStringLiteral("\t Perù €uro  ");
        r.Natura = QStringLiteral("Oro 中");  // outside the code page
        const QByteArray bytes = RegisterRecordLayout::encode(r);
        QCOMPARE(QByteArray(bytes.constData() + 986, 10), QByteArray("\x09Per\xF9 \x80uro", 10));
        QVERIFY(RegisterRecordLayout::decode(bytes).Natura != r.Natura);
    }

    void everyByteDecodesAtEveryPosition()
    {
        // Long texts are decoded sixteen bytes at a time: each byte must give
        // its own character wherever it falls, as it does alone.
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            const QChar alone = Cp1252::decode(&byte, 1).at(0);
            for (int at = 0; at < 40; ++at) {
                QByteArray text(40, 'a');
                text[at] = byte;
                QString expected(40, u'a');
                expected[at] = alone;
                QCOMPARE(Cp1252::decode(text), expected);
            }
        }
        QCOMPARE(Cp1252::decode(QByteArray("\x80\x81\x9f\xa0")), QString::fromUtf16(u"\u20ac\u0081\u0178\u00a0"));
    }

    void oversizedLengthByteReadsAtMostTheCapacity()
    {
        QByteArray bytes(3438, 'A');
        bytes[1119] = char(200);  // Sesso, capacity 1
        bytes[1116] = char(255);  // ProvNasc, capacity 2
        const RegisterRecord r = RegisterRecordLayout::decode(bytes);
        QCOMPARE(r.Sesso, QStringLiteral("A"));
        QCOMPARE(r.ProvNasc.size(), 2);
    }

    void countIgnoresTornTailAndAppendOverwritesIt()
    {
        TempDataDir dir;
        const QString path = dir.file(QStringLiteral("r.vtr"));
        dir.writeBytes(QStringLiteral("r.vtr"), QByteArray(3438 * 2 + 1719, 'z'));
        RecordFile file(path, 3438);
        QCOMPARE(file.count(), 2);
        QCOMPARE(file.append(QByteArray(3438, 'n')), 2);
        QCOMPARE(file.count(), 3);
        file.close();
        QCOMPARE(dir.readBytes(QStringLiteral("r.vtr")).size(), 3438 * 3);
    }

    void missingArchiveIsCreatedEmpty()
    {
        TempDataDir dir;
        QCOMPARE(countRecords(dir.file(QStringLiteral("x.pro")), 4043), 0);
        QVERIFY(QFile::exists(dir.file(QStringLiteral("x.pro"))));
    }

    void failuresThrow()
    {
        TempDataDir dir;
        QDir(dir.path()).mkdir(QStringLiteral("adir"));
        QVERIFY_THROWS_EXCEPTION(StorageError, RecordFile(dir.file(QStringLiteral("adir")), 10));
        dir.writeBytes(QStringLiteral("ro"), QByteArray(20, 'a'));
        QFile::setPermissions(dir.file(QStringLiteral("ro")), QFile::ReadOwner);
        if (QFileInfo(dir.file(QStringLiteral("ro"))).isWritable())
            QSKIP("running with rights that ignore file permissions");
        QVERIFY_THROWS_EXCEPTION(StorageError, RecordFile(dir.file(QStringLiteral("ro")), 10));
    }

    void readPastEndAndScanOrder()
    {
        TempDataDir dir;
        RecordFile file(dir.file(QStringLiteral("s")), 4);
        for (int i = 0; i < 1000; ++i)
            file.write(i, QByteArray::number(1000 + i));
        QVERIFY_THROWS_EXCEPTION(StorageError, file.read(1000));
        int expected = 0;
        file.scan([&](const char *rec, int index) {
            if (index != expected || QByteArray(rec, 4) != QByteArray::number(1000 + index))
                return false;
            ++expected;
            return true;
        });
        QCOMPARE(expected, 1000);
    }
};

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"

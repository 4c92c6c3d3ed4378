#include "Archives.h"
#include "TestSupport.h"
#include "register/RegisterRecord.h"
#include "storage/DataFolder.h"
#include "storage/StorageError.h"
#include "resultlist/ArchiveScan.h"
#include "resultlist/FindNext.h"
#include "resultlist/RecordCriteria.h"
#include "resultlist/ResultLines.h"
#include "resultlist/TotalText.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>

namespace {

RegisterRecord card(const QString &natura, const QString &descrizione, const QString &cliente = {},
                    const QString &importo = QStringLiteral("0,00"))
{
    RegisterRecord r;
    r.Natura = natura;
    r.Descrizione = descrizione;
    r.Cliente = cliente;
    r.Importo = importo;
    r.Venduto = QStringLiteral("No");
    return r;
}

QByteArray encoded(const QList<RegisterRecord> &cards) { return Archives::bytes(cards); }

const LineFormat &searchLine()
{
    static const LineFormat format({
        LineFormat::field<RegisterRecord>({}, "Natura", 30),
        LineFormat::field<RegisterRecord>(QStringLiteral("  -  "), "Descrizione", 50),
        LineFormat::field<RegisterRecord>(QStringLiteral("  Cliente: "), "Cliente", 32),
        LineFormat::field<RegisterRecord>(QStringLiteral("  Importo: € "), "Importo", LineFormat::kRest),
    });
    return format;
}

} // namespace

class TestResultLines : public QObject
{
    Q_OBJECT

private slots:
    void fitColumn_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("expected");
        QTest::newRow("padded") << "Oro" << 6 << "Oro   ";
        QTest::newRow("cut") << "Argento 925 lavorato" << 7 << "Argento";
        QTest::newRow("trimmed first") << "  Oro  " << 4 << "Oro ";
        QTest::newRow("empty gives blanks") << "" << 3 << "   ";
    }
    void fitColumn()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QString, expected);
        QCOMPARE(ResultLines::fit(text, width), expected);
    }

    void lineKeepsColumnsAligned()
    {
        // A 40-character nature is cut to 30 and the separator follows at once;
        // an empty description still takes its 50 columns; the last column is whole.
        const RegisterRecord r = card(QString(40, u'N'), {}, QStringLiteral("Rossi Mario"),
                                      QStringLiteral("123456789,50"));
        const QString line = searchLine().build(RegisterRecordLayout::encode(r).constData());
        QCOMPARE(line, QString(30, u'N') + u"  -  " + QString(50, u' ') + u"  Cliente: "
                           + ResultLines::fit(u"Rossi Mario", 32) + u"  Importo: € 123456789,50");
    }

    void order_data()
    {
        QTest::addColumn<QStringList>("input");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("case does not matter, equal lines keep their order")
            << QStringList{u"anello"_qs, u"ANELLO"_qs, u"Anello"_qs, u"Bracciale"_qs, u"aNello"_qs}
            << QStringList{u"anello"_qs, u"ANELLO"_qs, u"Anello"_qs, u"aNello"_qs, u"Bracciale"_qs};
        QTest::newRow("prefix first")
            << QStringList{u"Oro bianco"_qs, u"Oro"_qs, u"oro b"_qs}
            << QStringList{u"Oro"_qs, u"oro b"_qs, u"Oro bianco"_qs};
        QTest::newRow("accented letters after Z, by their code")
            << QStringList{u"èlite"_qs, u"Zaffiro"_qs, u"Èlite"_qs, u"ambra"_qs}
            << QStringList{u"ambra"_qs, u"Zaffiro"_qs, u"Èlite"_qs, u"èlite"_qs};
        QTest::newRow("punctuation by its code: blank before letters, underscore after Z")
            << QStringList{u"a_b"_qs, u"A B"_qs, u"AZ"_qs}
            << QStringList{u"A B"_qs, u"AZ"_qs, u"a_b"_qs};
        QTest::newRow("euro sign by its code page position, before accented letters")
            << QStringList{u"à"_qs, u"€"_qs, u"z"_qs}
            << QStringList{u"z"_qs, u"€"_qs, u"à"_qs};
    }
    void order()
    {
        QFETCH(QStringList, input);
        QFETCH(QStringList, expected);
        ResultLines::sort(input);
        QCOMPARE(input, expected);
        for (int i = 1; i < expected.size(); ++i)
            QVERIFY(!ResultLines::lessThan(expected[i], expected[i - 1]));
    }

    void sortAgreesWithStableComparison_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("short list") << 3000;
        QTest::newRow("long list, sorted in halves") << 60000;
    }

    void sortAgreesWithStableComparison()
    {
        QFETCH(int, count);
        // Many lines from a few characters (letters and their neighbours in
        // the code, accents, the euro): long shared prefixes, lines that begin
        // others, and lines equal but for case, whose order must stay.
        const QString alphabet = QString::fromUtf16(u"aAbBzZ`{@[ \u00e9\u20ac");
        QRandomGenerator random(42);
        QStringList lines;
        for (int i = 0; i < count; ++i) {
            QString line = i % 2 ? QString() : QStringLiteral("Oro giallo 18 kt   -  ");
            for (int n = random.bounded(i % 3 ? 7 : 30); n > 0; --n)
                line += alphabet[random.bounded(int(alphabet.size()))];
            lines.append(line);
        }
        QStringList expected = lines;
        std::stable_sort(expected.begin(), expected.end(),
                         [](const QString &x, const QString &y) { return ResultLines::lessThan(x, y); });
        ResultLines::sort(lines);
        QCOMPARE(lines, expected);
    }

    void findNextWalksAndWraps()
    {
        const QStringList lines{u"Anello argento"_qs, u"Bracciale platino"_qs, u"Collana ARGENTO"_qs};
        FindNext find;
        int selected = -1;
        const auto click = [&](const QString &key) {
            const auto outcome = find.next(lines, selected, key);
            selected = outcome.selected;
            return outcome;
        };
        QCOMPARE(click(u"argento"_qs).selected, 0);
        QCOMPARE(click(u"argento"_qs).selected, 2);
        QCOMPARE(click(u"argento"_qs).selected, 0);
        // A changed key starts again from the top.
        selected = 2;
        QCOMPARE(click(u"anello"_qs).selected, 0);
        // The same key with a single match goes round and selects it again.
        QCOMPARE(click(u"anello"_qs).selected, 0);
        QCOMPARE(click(u"platino"_qs).selected, 1);
        QCOMPARE(click(u"PLATINO"_qs).selected, 1);  // lower-cased: the same key
        // No match: nothing changes, but the key is remembered.
        const auto none = click(u"oro"_qs);
        QCOMPARE(none.result, FindNext::Result::NotFound);
        QCOMPARE(none.selected, 1);
        QCOMPARE(find.lastKey(), u"oro"_qs);
    }

    void findNextKeys_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("expected");
        // Lines: 0 "Anello argento", 1 "Bracciale argento", 2 "Collana ARGENTO bianco"
        QTest::newRow("trailing blank needs a blank after the word") << "argento " << -1 << 2;
        QTest::newRow("nothing selected, no match: index 0") << "platino" << -1 << 0;
        QTest::newRow("empty key never matches") << "" << 1 << 1;
        QTest::newRow("accented capital is not folded") << "ÀNELLO" << -1 << 0;
    }
    void findNextKeys()
    {
        QFETCH(QString, key);
        QFETCH(int, selected);
        QFETCH(int, expected);
        const QStringList lines{u"Anello argento"_qs, u"Bracciale argento"_qs, u"Collana ARGENTO bianco"_qs};
        FindNext find;
        QCOMPARE(find.next(lines, selected, key).selected, expected);
    }

    void findInEmptyList()
    {
        FindNext find;
        QCOMPARE(find.next({}, -1, u"x"_qs).result, FindNext::Result::EmptyList);
    }

    void criteriaOnEncodedBytes_data()
    {
        QTest::addColumn<QString>("natura");
        QTest::addColumn<QString>("cliente");
        QTest::addColumn<bool>("listed");
        // Field values: Natura "Anello oro giallo", Cliente "  Èrica Rossi"
        QTest::newRow("A-Z fold") << "anel" << "" << true;
        QTest::newRow("upper-case key") << "ORO G" << "" << true;
        QTest::newRow("accented capital is not its small letter") << "" << "èrica" << false;
        QTest::newRow("accented capital matches itself") << "" << "Èrica" << true;
        QTest::newRow("both must match") << "anello" << "rossi" << true;
        QTest::newRow("one of two fails") << "anello" << "bianchi" << false;
        QTest::newRow("blank criterion takes no part") << "   " << "rossi" << true;
        QTest::newRow("trailing blank kept") << "giallo " << "" << false;
        QTest::newRow("inner blank kept") << "oro giallo" << "" << true;
        QTest::newRow("leading blank of the stored field is not searched") << "" << " Èrica" << false;
        QTest::newRow("a character no field can hold") << "oro\u2603" << "" << false;
        QTest::newRow("no criterion lists everything") << "" << "" << true;
    }
    void criteriaOnEncodedBytes()
    {
        QFETCH(QString, natura);
        QFETCH(QString, cliente);
        QFETCH(bool, listed);
        // The stored field keeps a leading blank, as a file from another tool may.
        QByteArray record = RegisterRecordLayout::encode(card(u"Anello oro giallo"_qs, u"x"_qs));
        const int at = RegisterRecordLayout::offsets()[size_t(RegisterRecordLayout::indexOf(u"Cliente"_qs))];
        const QByteArray raw = Cp1252::encode(u"  Èrica Rossi");
        record[at] = char(raw.size());
        record.replace(at + 1, raw.size(), raw);

        RecordCriteria criteria;
        criteria.add<RegisterRecord>(natura, "Natura");
        criteria.add<RegisterRecord>(cliente, "Cliente");
        QCOMPARE(criteria.matches(record.constData()), listed);
    }

    void equalLinesKeepTheirOwnRecords()
    {
        TempDataDir dir;
        const QString path = DataFolder::file(u"Registro_Operazioni.vtr"_qs);
        dir.writeBytes(u"Registro_Operazioni.vtr"_qs,
                       encoded({card(u"Oro"_qs, u"Anello"_qs, u"Rossi"_qs, u"10,00"_qs),
                                card(u"Argento"_qs, u"Spilla"_qs, u"Verdi"_qs, u"5,00"_qs),
                                card(u"Oro"_qs, u"Anello"_qs, u"Rossi"_qs, u"10,00"_qs),
                                card(u"Oro"_qs, u"Anello"_qs, u"Rossi"_qs, u"11,00"_qs)}));
        ArchiveScan::Lines all = ArchiveScan::collect(path, RegisterRecordLayout::size, searchLine());
        QVERIFY(all.complete);
        QCOMPARE(all.lines.size(), 4);
        QCOMPARE(all.records, (QList<int>{0, 1, 2, 3}));
        QCOMPARE(all.lines[0], all.lines[2]);

        // Sorting moves every record number with its line; equal lines keep file order.
        QStringList lines = all.lines;
        ResultLines::sort(lines, all.records);
        for (int i = 0; i < lines.size(); ++i)
            QCOMPARE(lines[i], all.lines[all.records[i]]);
        QVERIFY(all.records.indexOf(0) < all.records.indexOf(2));

        QCOMPARE(ArchiveScan::recordAt(path, RegisterRecordLayout::size, 0).index, 0);
        QCOMPARE(RegisterRecordLayout::decode(ArchiveScan::recordAt(path, RegisterRecordLayout::size, 3).record).Importo,
                 u"11,00"_qs);
        QVERIFY_THROWS_EXCEPTION(StorageError, ArchiveScan::recordAt(path, RegisterRecordLayout::size, 4));
    }

    void missingArchiveIsCreatedEmpty()
    {
        TempDataDir dir;
        const QString path = DataFolder::file(u"Registro_Operazioni.vtr"_qs);
        const ArchiveScan::Lines none = ArchiveScan::collect(path, RegisterRecordLayout::size, searchLine());
        QVERIFY(none.complete);
        QVERIFY(none.lines.isEmpty());
        QVERIFY(QFile::exists(path));
    }

    void unreadableArchiveIsReported()
    {
        TempDataDir dir;
        const ArchiveScan::Lines none =
            ArchiveScan::collect(dir.path(), RegisterRecordLayout::size, searchLine());  // a folder
        QVERIFY(!none.complete);
    }

    void totalFormatting_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zero") << TotalText::running(0) << "0,00";
        QTest::newRow("one decimal completed") << TotalText::running(1250.5) << "1250,50";
        QTest::newRow("two decimals") << TotalText::running(1250.75) << "1250,75";
        QTest::newRow("three decimals stay") << TotalText::running(0.125) << "0,125";
        QTest::newRow("rounded to four") << TotalText::running(12.34567) << "12,3457";
        QTest::newRow("running sum of three amounts") << TotalText::running(100.0 + 50.5 + 0.25) << "150,75";
        QTest::newRow("binary noise rounded away") << TotalText::running(0.1 + 0.2) << "0,30";
        QTest::newRow("blank") << "  " << "0,00";
    }
    void totalFormatting()
    {
        QFETCH(QString, label);
        QFETCH(QString, expected);
        QCOMPARE(TotalText::format(label), expected);
    }
};

QTEST_GUILESS_MAIN(TestResultLines)
#include "tst_resultlines.moc"

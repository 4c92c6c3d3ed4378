// The legal rules over one card and over the whole register, case by case.
#include "TestSupport.h"
#include "register/PhotoFiles.h"
#include "register/Placeholder.h"
#include "register/RegisterRecord.h"
#include "register/compliance/ComplianceRules.h"
#include "register/compliance/PhotoEvidence.h"
#include "register/compliance/RegisterCompliance.h"
#include "storage/IniFile.h"

#include <QBuffer>
#include <QPainter>
#include <QProcess>
#include <QTest>
#include <functional>

using namespace Compliance;

namespace {

// A card that meets every rule: cash below the threshold, all data present.
RegisterRecord goodCard()
{
    RegisterRecord r;
    r.NumScheda = QStringLiteral("1");
    r.Data = QStringLiteral("10/03/2025");
    r.Ora = QStringLiteral("10:30");
    r.Importo = QStringLiteral("300,00");
    r.Mezzo = QStringLiteral("Contanti");
    r.Caratteristiche = QStringLiteral("Fascia liscia");
    r.Natura = QStringLiteral("Oro giallo 18 kt");
    r.Quotazione = QStringLiteral("52,10 €/g");
    r.Cliente = QStringLiteral("ROSSI MARIO");
    r.CodFisc = QStringLiteral("RSSMRA70A01H501S");
    r.DataNasc = QStringLiteral("01/01/1970");
    r.LuogoNasc = QStringLiteral("Roma");
    r.TipoDoc = QStringLiteral("Carta d'identità");
    r.NumDoc = QStringLiteral("CA12345AB");
    r.EnteRil = QStringLiteral("Comune di Roma");
    r.DataRil = QStringLiteral("01/02/2020");
    r.DataSca = QStringLiteral("01/02/2030");
    r.Descrizione = QStringLiteral("Anello");
    r.Valutazione = QStringLiteral("350,00");
    r.PrezzoVen = QStringLiteral("0,00");
    r.Venduto = QStringLiteral("No");
    return r;
}

struct Case
{
    const char *name;
    std::function<void(RegisterRecord &, CardFacts &, Settings &)> change;
    QStringList codes;
    QString field;  // of the first finding, when there is one
};

QString s(const char *utf8) { return QString::fromUtf8(utf8); }

const QList<Case> &cases()
{
    static const QList<Case> table = {
        {"a complete card", [](auto &, auto &, auto &) {}, {}, {}},
        {"cash 499,99", [](auto &r, auto &, auto &) { r.Importo = s("499,99"); }, {}, {}},
        {"cash 500,00", [](auto &r, auto &, auto &) { r.Importo = s("500,00"); }, {s("CONTANTI_500")}, s("Mezzo")},
        {"lower-case contanti", [](auto &r, auto &, auto &) { r.Importo = s("999999999999"); r.Mezzo = s("in contanti"); },
         {s("CONTANTI_500")}, s("Mezzo")},
        {"cash threshold from the settings", [](auto &r, auto &, auto &st) { r.Importo = s("500,00"); st.cashThresholdCents = 100000; }, {}, {}},
        {"transfer of 5000 with its references", [](auto &r, auto &, auto &) { r.Importo = s("5000,00"); r.Mezzo = s("Bonifico"); r.Transazione = s("CRO 123"); }, {}, {}},
        {"transfer without references", [](auto &r, auto &, auto &) { r.Mezzo = s("Assegno"); }, {s("ESTREMI_MANCANTI")}, s("Transazione")},
        {"amount zero", [](auto &r, auto &, auto &) { r.Importo = s("0,00"); }, {s("IMPORTO_MEZZO")}, s("Importo")},
        {"amount empty", [](auto &r, auto &, auto &) { r.Importo.clear(); }, {s("IMPORTO_MEZZO")}, s("Importo")},
        {"amount not a number", [](auto &r, auto &, auto &) { r.Importo = s("1.200,00"); }, {s("IMPORTO_MEZZO")}, s("Importo")},
        {"means empty", [](auto &r, auto &, auto &) { r.Mezzo.clear(); }, {s("IMPORTO_MEZZO")}, s("Mezzo")},
        {"no fiscal code", [](auto &r, auto &, auto &) { r.CodFisc.clear(); }, {s("DATI_CLIENTE")}, s("CodFisc")},
        {"no place of birth", [](auto &r, auto &, auto &) { r.LuogoNasc = s("  "); }, {s("DATI_CLIENTE")}, s("LuogoNasc")},
        {"no document number", [](auto &r, auto &, auto &) { r.NumDoc.clear(); }, {s("DOCUMENTO_MANCANTE")}, s("NumDoc")},
        {"no issue date", [](auto &r, auto &, auto &) { r.DataRil.clear(); }, {s("DOCUMENTO_MANCANTE")}, s("DataRil")},
        {"document expiring on the day", [](auto &r, auto &, auto &) { r.DataSca = s("10/03/2025"); }, {}, {}},
        {"document expired the day before", [](auto &r, auto &, auto &) { r.DataSca = s("09/03/2025"); }, {s("DOCUMENTO_SCADUTO")}, s("DataSca")},
        {"no characteristics", [](auto &r, auto &, auto &) { r.Caratteristiche.clear(); }, {s("OGGETTO_INCOMPLETO")}, s("Caratteristiche")},
        {"no quotation", [](auto &r, auto &, auto &) { r.Quotazione.clear(); }, {s("QUOTAZIONE_MANCANTE")}, s("Quotazione")},
        {"no valuation", [](auto &r, auto &, auto &) { r.Valutazione.clear(); }, {s("VALUTAZIONE_MANCANTE")}, s("Valutazione")},
        {"no date", [](auto &r, auto &, auto &) { r.Data.clear(); }, {s("DATA_ORA")}, s("Data")},
        {"date that does not exist", [](auto &r, auto &, auto &) { r.Data = s("31/04/2025"); }, {s("DATA_ORA")}, s("Data")},
        {"time 24:00", [](auto &r, auto &, auto &) { r.Ora = s("24:00"); }, {s("DATA_ORA")}, s("Ora")},
        {"time 9:05", [](auto &r, auto &, auto &) { r.Ora = s("9:05"); }, {}, {}},
        {"sold without buyer", [](auto &r, auto &, auto &) { r.Venduto = s("Sì"); r.Destinazione = s("Fusione"); r.DataVen = s("25/03/2025"); },
         {s("DESTINAZIONE_MANCANTE")}, s("Compratore")},
        {"sold on day 9", [](auto &r, auto &, auto &) { r.DataVen = s("19/03/2025"); }, {s("VENDITA_ANTICIPATA")}, s("DataVen")},
        {"sold on day 10", [](auto &r, auto &, auto &) { r.DataVen = s("20/03/2025"); }, {}, {}},
        {"holding days from the settings", [](auto &r, auto &, auto &st) { r.DataVen = s("19/03/2025"); st.holdingDays = 9; }, {}, {}},
        {"birth date that does not exist", [](auto &r, auto &, auto &) { r.DataNasc = s("29/02/1971"); }, {s("DATA_INESISTENTE")}, s("DataNasc")},
        {"expiry date in words", [](auto &r, auto &, auto &) { r.DataSca = s("mai"); }, {s("DATA_INESISTENTE")}, s("DataSca")},
        {"number used by another card", [](auto &, auto &f, auto &) { f.duplicateNumber = true; }, {s("NUMERO_DOPPIO")}, s("NumScheda")},
        {"split cash payment", [](auto &, auto &f, auto &) { f.splitPayment = true; }, {s("FRAZIONATA_500")}, s("Importo")},
        {"two real photos", [](auto &, auto &f, auto &) { f.photos = PhotoFacts{true, true, false}; }, {}, {}},
        {"photo B missing", [](auto &, auto &f, auto &) { f.photos = PhotoFacts{true, false, false}; }, {s("FOTO_MANCANTI")}, s("FotoB")},
        {"photo A the placeholder", [](auto &, auto &f, auto &) { f.photos = PhotoFacts{false, true, false}; }, {s("FOTO_MANCANTI")}, s("FotoA")},
        {"photo A equal to photo B", [](auto &, auto &f, auto &) { f.photos = PhotoFacts{true, true, true}; }, {s("FOTO_MANCANTI")}, s("FotoA")},
        {"an empty card, in the order of the codes", [](auto &r, auto &, auto &) { r = RegisterRecord(); r.Importo = s("0,00"); },
         {s("DATA_ORA"), s("DATI_CLIENTE"), s("DOCUMENTO_MANCANTE"), s("IMPORTO_MEZZO"), s("OGGETTO_INCOMPLETO"),
          s("QUOTAZIONE_MANCANTE"), s("VALUTAZIONE_MANCANTE")}, s("Data")},
    };
    return table;
}

QStringList codesOf(const QList<Finding> &findings)
{
    QStringList codes;
    for (const Finding &f : findings)
        codes << f.code;
    return codes;
}

QByteArray encoded(const RegisterRecord &r) { return RegisterRecordLayout::encode(r); }

RegisterReport checkCards(const QList<RegisterRecord> &cards, const Settings &settings = {})
{
    QByteArray bytes;
    for (const RegisterRecord &r : cards)
        bytes += encoded(r);
    bytes += QByteArray(100, 'x');  // a torn tail is no card
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return checkRegister(buffer, settings);
}

RegisterRecord payment(const char *number, const char *date, const char *amount)
{
    RegisterRecord r = goodCard();
    r.NumScheda = s(number);
    r.Data = s(date);
    r.Importo = s(amount);
    return r;
}

// Positions with the code, in file order.
QList<int> positionsWith(const RegisterReport &report, const QString &code)
{
    QList<int> out;
    for (const RegisterFinding &f : report.findings)
        if (f.code == code)
            out << f.position;
    return out;
}

QImage realPhoto(QColor colour)
{
    QImage image(640, 480, QImage::Format_RGB32);
    image.fill(colour);
    QPainter p(&image);
    p.fillRect(100, 100, 200, 150, Qt::darkYellow);
    return image;
}

struct Run
{
    int exitCode;
    QString out;
};

Run archivio(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(VT_ARCHIVIO), QStringList{QStringLiteral("conformita")} + args);
    if (!p.waitForFinished(20000))
        return {-1, {}};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput())};
}

} // namespace

class TestCompliance : public QObject
{
    Q_OBJECT
private slots:
    void rulesOfOneCard_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < cases().size(); ++i)
            QTest::newRow(cases()[i].name) << i;
    }
    void rulesOfOneCard()
    {
        QFETCH(int, row);
        const Case &c = cases()[row];
        RegisterRecord r = goodCard();
        CardFacts facts;
        Settings settings;
        c.change(r, facts, settings);
        const QList<Finding> findings = checkCard(encoded(r).constData(), settings, facts);
        QCOMPARE(codesOf(findings), c.codes);
        if (!c.codes.isEmpty())
            QCOMPARE(findings.first().field, c.field);
    }

    void everyRuleHasItsTextAndSource()
    {
        QStringList codes;
        for (const Rule &r : rules()) {
            codes << r.code;
            QVERIFY2(!r.text.isEmpty() && !r.field.isEmpty(), qPrintable(r.code));
            if (r.code != QStringLiteral("DATA_INESISTENTE"))
                QVERIFY2(r.text.contains(u'(') && r.text.endsWith(QStringLiteral(").")), qPrintable(r.code));
        }
        QCOMPARE(codes.size(), 16);
        QStringList sorted = codes;
        sorted.sort();
        QCOMPARE(codes, sorted);
        Settings settings;
        settings.cashThresholdCents = 99950;
        const Rule &cash = rules().first();
        QCOMPARE(text(cash, settings),
                 QStringLiteral("Pagamento in contanti di 999,50 € o più: serve un mezzo tracciabile "
                                "(D.Lgs. 92/2017, art. 4, c. 2)."));
    }

    void splitPayments_data()
    {
        QTest::addColumn<QList<RegisterRecord>>("cards");
        QTest::addColumn<QList<int>>("flagged");
        const auto cf = [](RegisterRecord r, const char *code) { r.CodFisc = s(code); return r; };
        const auto noCode = [](RegisterRecord r, const char *name, const char *birth) {
            r.CodFisc.clear(); r.Cliente = s(name); r.DataNasc = s(birth); return r;
        };
        QTest::newRow("day 1 and day 7") << QList<RegisterRecord>{payment("1", "01/03/2025", "250,00"), payment("2", "07/03/2025", "250,00")} << QList<int>{1, 2};
        QTest::newRow("day 1 and day 8") << QList<RegisterRecord>{payment("1", "01/03/2025", "250,00"), payment("2", "08/03/2025", "250,00")} << QList<int>{};
        QTest::newRow("one cent short") << QList<RegisterRecord>{payment("1", "01/03/2025", "300,00"), payment("2", "02/03/2025", "199,99")} << QList<int>{};
        QTest::newRow("three in a week, one outside")
            << QList<RegisterRecord>{payment("1", "01/03/2025", "200,00"), payment("2", "03/03/2025", "200,00"),
                                     payment("3", "06/03/2025", "100,00"), payment("4", "20/03/2025", "450,00")}
            << QList<int>{1, 2, 3};
        QTest::newRow("fiscal code in any case, other customers apart")
            << QList<RegisterRecord>{payment("1", "01/03/2025", "250,00"), cf(payment("2", "02/03/2025", "250,00"), "rssmra70a01h501s"),
                                     cf(payment("3", "02/03/2025", "400,00"), "VRDLGU80A01F205X")}
            << QList<int>{1, 2};
        QTest::newRow("no fiscal code: name and birth date")
            << QList<RegisterRecord>{noCode(payment("1", "01/03/2025", "250,00"), "BIANCHI ANNA", "02/02/1980"),
                                     noCode(payment("2", "03/03/2025", "250,00"), "Bianchi Anna", "02/02/1980"),
                                     noCode(payment("3", "03/03/2025", "250,00"), "BIANCHI ANNA", "03/03/1981")}
            << QList<int>{1, 2};
        QTest::newRow("a traceable part does not count")
            << QList<RegisterRecord>{payment("1", "01/03/2025", "250,00"),
                                     [] { RegisterRecord r = payment("2", "02/03/2025", "250,00"); r.Mezzo = s("Bonifico"); r.Transazione = s("CRO 1"); return r; }()}
            << QList<int>{};
    }
    void splitPayments()
    {
        QFETCH(QList<RegisterRecord>, cards);
        QFETCH(QList<int>, flagged);
        const RegisterReport report = checkCards(cards);
        QCOMPARE(report.cards, cards.size());
        QCOMPARE(positionsWith(report, QStringLiteral("FRAZIONATA_500")), flagged);
        // The card on screen sees the same against the other cards.
        QList<int> onScreen;
        for (int i = 0; i < cards.size(); ++i) {
            TempDataDir dir;
            QByteArray bytes;
            for (const RegisterRecord &r : cards)
                bytes += encoded(r);
            dir.writeBytes(QStringLiteral("Registro_Operazioni.vtr"), bytes);
            const OtherCards others = OtherCards::read(dir.file(QStringLiteral("Registro_Operazioni.vtr")), i, {});
            if (others.factsFor(encoded(cards[i]).constData(), {}).splitPayment)
                onScreen << i + 1;
        }
        QCOMPARE(onScreen, flagged);
    }

    void duplicateNumbersAndOrder()
    {
        QList<RegisterRecord> cards = {payment("12/2025", "01/01/2025", "100,00"), payment("13", "02/01/2025", "100,00"),
                                       payment(" 12/2025 ", "03/01/2025", "0,00"), payment("14", "04/01/2025", "100,00")};
        cards[3].NumScheda = QStringLiteral("12/2025");
        cards[3].NumScheda = QStringLiteral("14");
        cards[1].NumScheda = QStringLiteral("12/2025");
        const RegisterReport report = checkCards(cards);
        QCOMPARE(positionsWith(report, QStringLiteral("NUMERO_DOPPIO")), (QList<int>{1, 2, 3}));
        QStringList order;
        for (const RegisterFinding &f : report.findings)
            order << QString::number(f.position) + u' ' + f.code;
        QCOMPARE(order, (QStringList{u"1 NUMERO_DOPPIO"_qs, u"2 NUMERO_DOPPIO"_qs, u"3 IMPORTO_MEZZO"_qs,
                                     u"3 NUMERO_DOPPIO"_qs}));
        QCOMPARE(report.findings[2].number, QStringLiteral("12/2025"));
        QCOMPARE(report.findings[2].customer, QStringLiteral("ROSSI MARIO"));
        QCOMPARE(report.findings[2].date, QStringLiteral("03/01/2025"));
    }

    void photosOfTheFiles()
    {
        TempDataDir dir;
        const PhotoEvidence evidence(Placeholder::ringPhoto());
        QVERIFY(PhotoFiles::save(realPhoto(Qt::blue), dir.file(u"a.jpg"_qs)));
        QVERIFY(PhotoFiles::save(realPhoto(Qt::red), dir.file(u"b.jpg"_qs)));
        QVERIFY(PhotoFiles::save(Placeholder::ringPhoto(), dir.file(u"ring.jpg"_qs)));
        QVERIFY(Placeholder::ringPhoto().save(dir.file(u"ring.bmp"_qs)));  // the placeholder another way
        dir.writeBytes(u"text.jpg"_qs, "not a picture");
        const auto facts = [&](const char *a, const char *b) {
            const PhotoFacts f = evidence.files(dir.file(QString::fromLatin1(a)), dir.file(QString::fromLatin1(b)));
            return QList<bool>{f.realA, f.realB, f.same};
        };
        QCOMPARE(facts("a.jpg", "b.jpg"), (QList<bool>{true, true, false}));
        QCOMPARE(facts("a.jpg", "a.jpg"), (QList<bool>{true, true, true}));
        QCOMPARE(facts("ring.jpg", "b.jpg"), (QList<bool>{false, true, false}));
        QCOMPARE(facts("a.jpg", "ring.bmp"), (QList<bool>{true, false, false}));
        QCOMPARE(facts("missing.jpg", "text.jpg"), (QList<bool>{false, false, false}));
        QVERIFY(evidence.isPlaceholder(Placeholder::ringPhoto()));
        QVERIFY(!evidence.isPlaceholder(realPhoto(Qt::blue)));
        QVERIFY(evidence.pictures(realPhoto(Qt::blue), realPhoto(Qt::blue)).same);
    }

    void settingsFromTheFile()
    {
        TempDataDir dir;
        const QString ini = dir.file(u"Valtrena.ini"_qs);
        QStringList problems;
        Settings st = readSettings(ini, &problems);
        QCOMPARE(st.cashThresholdCents, 50000);
        QCOMPARE(st.splitDays, 7);
        QCOMPARE(st.holdingDays, 10);
        dir.writeBytes(u"Valtrena.ini"_qs, "[Numerazione Registro]\r\nInizio=5\r\n[Conformit\xE0]\r\n"
                                            "Soglia contanti=1000,5\r\nGiorni frazionamento=abc\r\nGiorni detenzione=15\r\n");
        st = readSettings(ini, &problems);
        QCOMPARE(st.cashThresholdCents, 100050);
        QCOMPARE(st.splitDays, 7);
        QCOMPARE(st.holdingDays, 15);
        QCOMPARE(problems.size(), 1);
        QVERIFY(problems.first().contains(QStringLiteral("Giorni frazionamento")));
        QCOMPARE(IniFile::read(ini, u"Numerazione Registro"_qs, u"Inizio"_qs), QStringLiteral("5"));
    }

    void commandLine()
    {
        TempDataDir dir;
        const QString path = dir.file(u"Registro_Operazioni.vtr"_qs);
        RegisterRecord cash = goodCard();
        cash.NumScheda = s("2");
        cash.Importo = s("500,00");
        RegisterRecord again = goodCard();
        again.DataVen = s("15/03/2025");
        again.CodFisc = s("VRDLGU80A01F205X");
        dir.writeBytes(u"Registro_Operazioni.vtr"_qs, encoded(goodCard()) + encoded(cash) + encoded(again));
        for (int p : {1, 2, 3}) {
            QVERIFY(PhotoFiles::save(realPhoto(Qt::blue), dir.file(QStringLiteral("Foto_A_%1.jpg").arg(p))));
            QVERIFY(PhotoFiles::save(realPhoto(Qt::green), dir.file(QStringLiteral("Foto_B_%1.jpg").arg(p))));
        }
        QVERIFY(PhotoFiles::save(Placeholder::ringPhoto(), dir.file(u"Foto_B_2.jpg"_qs)));
        auto line = [&](int position, const char *number, const char *code, const Settings &st = {}) -> QString {
            for (const Rule &r : rules())
                if (r.code == QLatin1StringView(code))
                    return QString::number(position) + u'\t' + s(number) + u'\t' + r.code + u'\t' + text(r, st) + u'\n';
            return QString();
        };

        Run run = archivio({path});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out, line(1, "1", "NUMERO_DOPPIO") + line(2, "2", "CONTANTI_500") + line(2, "2", "FOTO_MANCANTI")
                              + line(3, "1", "NUMERO_DOPPIO") + line(3, "1", "VENDITA_ANTICIPATA"));

        // The settings beside the register, and the options over them.
        dir.writeBytes(u"Valtrena.ini"_qs, "[Conformit\xE0]\r\nGiorni detenzione=5\r\nSoglia contanti=400\r\n");
        Settings fromFile;
        fromFile.cashThresholdCents = 40000;
        run = archivio({path});
        QCOMPARE(run.out, line(1, "1", "NUMERO_DOPPIO") + line(2, "2", "CONTANTI_500", fromFile) + line(2, "2", "FOTO_MANCANTI")
                              + line(3, "1", "NUMERO_DOPPIO"));
        Settings fromOptions;
        fromOptions.cashThresholdCents = 100000;
        fromOptions.holdingDays = 6;
        run = archivio({u"--soglia"_qs, u"1000,00"_qs, u"--giorni-detenzione"_qs, u"6"_qs, path});
        QCOMPARE(run.out, line(1, "1", "NUMERO_DOPPIO") + line(2, "2", "FOTO_MANCANTI") + line(3, "1", "NUMERO_DOPPIO")
                              + line(3, "1", "VENDITA_ANTICIPATA", fromOptions));

        dir.writeBytes(u"Registro_Operazioni.vtr"_qs, encoded(goodCard()));
        QCOMPARE(archivio({path}).exitCode, 0);
        QCOMPARE(archivio({dir.file(u"Nessuno.vtr"_qs)}).exitCode, 2);
        QCOMPARE(archivio({u"--soglia"_qs, u"molti"_qs, path}).exitCode, 2);
        QCOMPARE(dir.readBytes(u"Registro_Operazioni.vtr"_qs), encoded(goodCard()));
    }
};

QTEST_MAIN(TestCompliance)
#include "tst_compliance.moc"

#include "Archives.h"
#include "register/RegisterRecord.h"
#include "summaries/PayoutRules.h"
#include "resultlist/TotalText.h"
#include "TestSupport.h"

#include <QTest>

namespace {
struct Card
{
    const char *date;
    const char *amount;
    const char *natura;
    const char *codFisc = "RSSMRA80A01H501U";
    const char *cliente = "Rossi Mario";
};

void writeRegister(const QString &path, const QList<Card> &cards)
{
    QList<RegisterRecord> records;
    int n = 0;
    for (const Card &c : cards) {
        RegisterRecord r;
        r.NumScheda = QString::number(++n);
        r.Data = QString::fromUtf8(c.date);
        r.Importo = QString::fromUtf8(c.amount);
        r.Natura = QString::fromUtf8(c.natura);
        r.CodFisc = QString::fromUtf8(c.codFisc);
        r.Cliente = QString::fromUtf8(c.cliente);
        r.Descrizione = QStringLiteral("Scheda %1").arg(n);
        records.append(r);
    }
    QVERIFY(Archives::write(path, records));
}

QDate d(const char *text) { return QDate::fromString(QString::fromLatin1(text), QStringLiteral("dd/MM/yyyy")); }
} // namespace

class TestPayoutRules : public QObject
{
    Q_OBJECT
private slots:
    void checks_data();
    void checks();
    void filters_data();
    void filters();
    void collectsTheIntervalBothEndsIncluded();
    void unreadableDateStopsAndNamesTheCard();
    void lineAndPrintedTotals();
};

void TestPayoutRules::checks_data()
{
    QTest::addColumn<QStringList>("inputs");  // year, start day, start month, end day, end month
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    const QString crlf = QStringLiteral("\n\r\n\r");
    using K = PayoutRules::Check::Kind;
    QTest::newRow("three-digit year") << QStringList{u"202"_qs, u"01"_qs, u"Gennaio"_qs, u"31"_qs, u"Dicembre"_qs}
                                      << int(K::Warning)
                                      << u"Attenzione: indicare l'anno solare utilizzando quattro cifre."_qs
                                      << u"txtAnno"_qs;
    QTest::newRow("no start day") << QStringList{u"2024"_qs, u" "_qs, u"Gennaio"_qs, u"31"_qs, u"Dicembre"_qs}
                                  << int(K::Warning)
                                  << u"Attenzione: indicare il giorno di inizio intervallo selezionandolo dall'elenco a cascata."_qs
                                  << u"txtGiornoInizio"_qs;
    QTest::newRow("no start month") << QStringList{u"2024"_qs, u"01"_qs, u""_qs, u""_qs, u""_qs} << int(K::Warning)
                                    << u"Attenzione: indicare il mese di inizio intervallo selezionandolo dall'elenco a cascata."_qs
                                    << u"txtMeseInizio"_qs;
    QTest::newRow("no end day") << QStringList{u"2024"_qs, u"01"_qs, u"Gennaio"_qs, u""_qs, u"Marzo"_qs}
                                << int(K::Warning)
                                << u"Attenzione: indicare il giorno di fine intervallo selezionandolo dall'elenco a cascata."_qs
                                << u"txtGiornoFine"_qs;
    QTest::newRow("no end month") << QStringList{u"2024"_qs, u"01"_qs, u"Gennaio"_qs, u"02"_qs, u""_qs}
                                  << int(K::Warning)
                                  << u"Attenzione: indicare il mese di fine intervallo selezionandolo dall'elenco a cascata."_qs
                                  << u"txtMeseFine"_qs;
    QTest::newRow("31 Aprile") << QStringList{u"2024"_qs, u"31"_qs, u"Aprile"_qs, u"01"_qs, u"Maggio"_qs}
                               << int(K::Plain)
                               << u"Attenzione: la data 31/04/2024 di inizio intervallo non esiste."_qs + crlf
                                      + u"Per poter visualizzare il riepilogo è necessario indicare una data valida."_qs
                               << u"txtGiornoInizio"_qs;
    QTest::newRow("29 Febbraio 2023 at the end") << QStringList{u"2023"_qs, u"01"_qs, u"febbraio"_qs, u"29"_qs, u"FEBBRAIO"_qs}
                                  << int(K::Plain)
                                  << u"Attenzione: la data 29/02/2023 di fine intervallo non esiste."_qs + crlf
                                         + u"Per poter visualizzare il riepilogo è necessario indicare una data valida."_qs
                                  << u"txtGiornoFine"_qs;
    QTest::newRow("end before start") << QStringList{u"2024"_qs, u"02"_qs, u"Marzo"_qs, u"01"_qs, u"Marzo"_qs}
                                      << int(K::Plain)
                                      << u"Attenzione: la data di fine intervallo (01/03/2024) non può essere anteriore a quella di inizio intervallo (02/03/2024)."_qs
                                             + crlf + u"Per poter visualizzare il riepilogo è necessario indicare un intervallo di tempo valido."_qs
                                      << QString();
    QTest::newRow("29 Febbraio 2024, same day") << QStringList{u"2024"_qs, u"29"_qs, u" Febbraio "_qs, u"29"_qs, u"Febbraio"_qs}
                                         << int(K::Passed) << QString() << QString();
}

void TestPayoutRules::checks()
{
    QFETCH(QStringList, inputs);
    QFETCH(int, kind);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    const auto result = PayoutRules::check({inputs[0], inputs[1], inputs[2], inputs[3], inputs[4]});
    QCOMPARE(int(result.kind), kind);
    QCOMPARE(result.message, message);
    QCOMPARE(result.focus, focus);
    if (result.passed())
        QCOMPARE(result.start, u"29/02/2024"_qs);
}

void TestPayoutRules::filters_data()
{
    QTest::addColumn<QString>("nature");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("natura");
    QTest::addColumn<bool>("matches");
    QTest::newRow("none") << QString() << QString() << u"Anello oro"_qs << true;
    QTest::newRow("nature, any case") << u"anello"_qs << QString() << u"ANELLO oro giallo"_qs << true;
    QTest::newRow("nature missing") << u"anello"_qs << QString() << u"Collana"_qs << false;
    QTest::newRow("code part") << QString() << u"mra80"_qs << u"Collana"_qs << true;
    QTest::newRow("both, one fails") << u"anello"_qs << u"VRD"_qs << u"Anello"_qs << false;
    QTest::newRow("both match") << u"anello"_qs << u"H501"_qs << u"Anello"_qs << true;
    // A filter with blanks only counts as none and adds nothing.
    QTest::newRow("blank filter") << u"   "_qs << QString() << u"Collana"_qs << true;
    QTest::newRow("typed blank kept") << u"oro "_qs << QString() << u"Anello oro"_qs << false;
}

void TestPayoutRules::filters()
{
    QFETCH(QString, nature);
    QFETCH(QString, code);
    QFETCH(QString, natura);
    QFETCH(bool, matches);
    const PayoutRules::Filter filter{nature, code};
    QCOMPARE(filter.matches(natura, u"RSSMRA80A01H501U"_qs), matches);
}

void TestPayoutRules::collectsTheIntervalBothEndsIncluded()
{
    TempDataDir dir;
    const QString path = dir.file(u"Registro_Operazioni.vtr"_qs);
    writeRegister(path, {{"01/03/2024", "100,5", "Anello oro"},
                         {"15/03/2024", "999", ""},  // no nature: never listed
                         {"31/03/2024", "20,25", "anello argento"},
                         {"29/02/2024", "7", "Anello"},
                         {"01/04/2024", "8", "Anello"},
                         {"10/03/2024", "300", "Collana"}});

    const PayoutRules::Filter anello{u"anello"_qs, QString()};
    QCOMPARE(anello.description(), u"Oggetto:  anello   -   C.F. cliente:  "_qs);
    auto r = PayoutRules::collect(path, anello, d("01/03/2024"), d("31/03/2024"));
    QVERIFY(r.complete());
    QCOMPARE(r.lines.size(), 2);
    QVERIFY(r.lines[0].startsWith(u"Anello oro"_qs));
    QCOMPARE(TotalText::format(TotalText::running(r.sums[0])), u"120,75"_qs);

    // Same start and end: only that day's cards.
    r = PayoutRules::collect(path, {}, d("10/03/2024"), d("10/03/2024"));
    QCOMPARE(r.lines.size(), 1);
    QCOMPARE(r.sums[0], 300.0);

    // No register yet: an empty summary and an empty file.
    r = PayoutRules::collect(dir.file(u"nuovo.vtr"_qs), {}, d("01/01/2024"), d("31/12/2024"));
    QVERIFY(r.complete() && r.lines.isEmpty());
    QCOMPARE(TotalText::format(TotalText::running(r.sums[0])), u"0,00"_qs);
}

void TestPayoutRules::unreadableDateStopsAndNamesTheCard()
{
    TempDataDir dir;
    const QString path = dir.file(u"Registro_Operazioni.vtr"_qs);
    writeRegister(path, {{"01/03/2024", "10", "Anello"}, {"31/02/2024", "5", "Anello"}, {"02/03/2024", "5", "Anello"},
                         {"03/03/2024", "dieci", "Anello"}});
    auto r = PayoutRules::collect(path, {}, d("01/01/2024"), d("31/12/2024"));
    QVERIFY(r.stoppedAt.has_value());
    QCOMPARE(r.stoppedAt->position, 2);
    QCOMPARE(r.lines.size(), 1);  // what came before stays

    // A card outside the filters is never read further, whatever it holds.
    r = PayoutRules::collect(path, {u"collana"_qs, QString()}, d("01/01/2024"), d("31/12/2024"));
    QVERIFY(r.complete());
}

void TestPayoutRules::lineAndPrintedTotals()
{
    RegisterRecord card;
    card.Natura = u"Anello in oro giallo 18 carati con brillante"_qs;  // longer than 30
    card.Descrizione = QString();
    card.Cliente = u"Bianchi Anna"_qs;
    card.Importo = u"120,75"_qs;
    const QByteArray bytes = RegisterRecordLayout::encode(card);
    const QString line = PayoutRules::line().build(bytes.constData());
    QCOMPARE(line, u"Anello in oro giallo 18 carati  -  "_qs + QString(50, u' ')
                       + u"  Cliente: Bianchi Anna"_qs + QString(20, u' ') + u"  Importo: € 120,75"_qs);

    QCOMPARE(PayoutRules::printedTotals(PayoutRules::intervalText(u" 01/03/2024"_qs, u"31/03/2024 "_qs), u"120,75"_qs),
             (QStringList{u"- - - - - - - - - - - - - - - -"_qs,
                          u"INTERVALLO SELEZIONATO:      Dal   01/03/2024   al   31/03/2024"_qs,
                          u"TOTALE IMPORTI CORRISPOSTI:  € 120,75"_qs}));
}

QTEST_MAIN(TestPayoutRules)
#include "tst_payouts_rules.moc"

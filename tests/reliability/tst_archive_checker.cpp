// valtrena-archivio: what it finds in a damaged archive, the CSV it writes,
// and that it leaves every archive exactly as it found it.
#include "Archives.h"
#include "TestSupport.h"
#include "customers/CustomerRecord.h"
#include "receipts/ReceiptRecord.h"
#include "register/RegisterRecord.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

namespace {

struct Run
{
    int exitCode;
    QString out;
    QString err;
};

Run archivio(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(VT_ARCHIVIO), args);
    if (!p.waitForFinished(20000))
        return {-1, {}, {}};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

RegisterRecord card(const QString &number, const QString &customer)
{
    RegisterRecord r;
    r.NumScheda = number;
    r.Data = QStringLiteral("10/03/2025");
    r.Importo = QStringLiteral("100,00");
    r.PrezzoVen = QStringLiteral("0,00");
    r.Natura = QStringLiteral("Oro");
    r.Cliente = customer;
    r.Descrizione = QStringLiteral("Anello");
    r.Venduto = QStringLiteral("No");
    return r;
}

void setLength(QByteArray &bytes, int record, const char16_t *field, int length)
{
    const int i = RegisterRecordLayout::indexOf(QStringView(field));
    bytes[record * RegisterRecordLayout::size + RegisterRecordLayout::offsets()[i]] = char(length);
}

} // namespace

class TestArchiveChecker : public QObject
{
    Q_OBJECT
private slots:
    void namesEveryProblem()
    {
        TempDataDir dir;
        RegisterRecord odd = card(QStringLiteral("3"), QStringLiteral("VERDI"));
        odd.Venduto = QStringLiteral("Si");
        odd.Data = QStringLiteral("31/02/2025");
        odd.Importo = QStringLiteral("12.50");
        odd.DataVen = QStringLiteral("presto");
        odd.DataNasc = QStringLiteral("30/02/1970");
        odd.DataRil = QStringLiteral("01/13/2020");
        odd.DataSca = QStringLiteral("5/3/2030");  // a date the program reads
        RegisterRecord again = card(QStringLiteral(" 1 "), QStringLiteral("NERI"));
        RegisterRecord third = card(QStringLiteral("x9"), QStringLiteral("GIALLI"));
        RegisterRecord fourth = card(QStringLiteral("X9"), QStringLiteral("BLU"));
        QByteArray bytes = Archives::bytes(QList{card(QStringLiteral("1"), QStringLiteral("ROSSI")),
                                                 card(QStringLiteral("2"), QStringLiteral("BIANCHI")), odd, again,
                                                 third, fourth});
        setLength(bytes, 1, u"Cliente", 200);
        bytes += bytes.left(1000);  // torn tail
        dir.writeBytes(QStringLiteral("Registro_Operazioni.vtr"), bytes);

        const Run run = archivio({QStringLiteral("verifica"), dir.file(QStringLiteral("Registro_Operazioni.vtr"))});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out.split(u'\n'), QStringList({
            QStringLiteral("Registro_Operazioni.vtr: Registro Operazioni, 3438 byte per scheda"),
            QStringLiteral("Schede complete: 6"),
            QStringLiteral("Scheda 2, campo Cliente: byte di lunghezza 200 oltre la capacità di 50"),
            QStringLiteral("Scheda 3, campo Data: data non leggibile \"31/02/2025\""),
            QStringLiteral("Scheda 3, campo Importo: importo non leggibile \"12.50\""),
            QStringLiteral("Scheda 3, campo DataNasc: data non leggibile \"30/02/1970\""),
            QStringLiteral("Scheda 3, campo DataRil: data non leggibile \"01/13/2020\""),
            QStringLiteral("Scheda 3, campo DataVen: data non leggibile \"presto\""),
            QStringLiteral("Scheda 3, campo Venduto: \"Si\" non è né \"Sì\" né \"No\""),
            QStringLiteral("Scheda 4, campo NumScheda: numero \"1\" già assegnato alla scheda 1"),
            QStringLiteral("Scheda 6, campo NumScheda: numero \"X9\" già assegnato alla scheda 5"),
            QStringLiteral("Scheda incompleta in coda: 1000 byte dopo l'ultima scheda completa (il programma li ignora)"),
            QStringLiteral("Problemi trovati: 10"),
            QString()}));
        QCOMPARE(dir.readBytes(QStringLiteral("Registro_Operazioni.vtr")), bytes);
    }

    void cleanArchives_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        CustomerRecord customer;
        customer.Cognome = QStringLiteral("ROSSI");
        customer.Decorrenza = customer.Scadenza = QStringLiteral("15/06/2025");
        customer.Preavviso = QStringLiteral("0");
        customer.Totale = customer.Rata = QStringLiteral("0,00");
        ReceiptRecord receipt;
        receipt.NumRic = QStringLiteral("1");
        receipt.Data = QStringLiteral("15/06/2025");
        receipt.Prezzo01 = QStringLiteral("12,3456");
        receipt.Acconti = receipt.Tassa = QStringLiteral("0,00");
        receipt.TotCorrispettivi = receipt.Totale = QStringLiteral("12,35");
        receipt.Saldata = QStringLiteral("Sì");
        QTest::newRow("register") << "Registro_Operazioni.vtr" << RegisterRecordLayout::encode(card(QStringLiteral("1"), QStringLiteral("ROSSI")));
        QTest::newRow("customers") << "Clienti.pro" << CustomerRecordLayout::encode(customer);
        ReceiptRecord second = receipt;
        second.NumRic = QStringLiteral("2");
        QTest::newRow("receipts") << "2025.ric" << Archives::bytes(QList{receipt, second});
        QTest::newRow("empty") << "2024.ric" << QByteArray();
    }

    void cleanArchives()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        TempDataDir dir;
        dir.writeBytes(name, bytes);
        const Run run = archivio({QStringLiteral("verifica"), dir.file(name)});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.endsWith(QStringLiteral("Nessun problema trovato.\n")), qPrintable(run.out));
    }

    void csvOfAGoldenRegister()
    {
        TempDataDir dir;
        RegisterRecord first = card(QStringLiteral("1"), QStringLiteral("ROSSI MARIO"));
        first.Ora = QStringLiteral("10:00");
        first.Importo = QStringLiteral("1250,50");
        first.Natura = QStringLiteral("Oro giallo 18 kt");
        first.Descrizione = QStringLiteral("Anello, \"solitario\"");
        RegisterRecord second = card(QStringLiteral("2/2025"), QStringLiteral("D'AMICO ANNA"));
        second.Data = QStringLiteral("11/03/2025");
        second.Ora = QStringLiteral("16:45");
        second.Importo = QStringLiteral("80,00");
        second.Caratteristiche = QStringLiteral("Catenina € 3 g");
        second.Natura = QStringLiteral("Argento");
        second.CodFisc = QStringLiteral("DMCNNA80A41H501X");
        second.DataVen = QStringLiteral("20/03/2025");
        second.Descrizione = QStringLiteral("Catenina");
        second.PrezzoVen = QStringLiteral("95,00");
        second.Venduto = QStringLiteral("Sì");
        const QByteArray bytes = Archives::bytes(QList{first, second});
        // A torn tail is not a card and does not reach the CSV.
        dir.writeBytes(QStringLiteral("Registro_Operazioni.vtr"), bytes + bytes.left(10));

        const Run run = archivio({QStringLiteral("csv"), dir.file(QStringLiteral("Registro_Operazioni.vtr"))});
        QCOMPARE(run.exitCode, 0);
        QFile golden(QStringLiteral(VALTRENA_SOURCE_DIR "/tests/reliability/fixtures/Registro_Operazioni.csv"));
        QVERIFY(golden.open(QIODevice::ReadOnly));
        QCOMPARE(run.out, QString::fromUtf8(golden.readAll()));
    }

    void refusesWhatItCannotRead_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("file");  // left as it was, or not created
        QTest::newRow("unknown name") << QStringList{QStringLiteral("verifica"), QStringLiteral("Archivio.dat")} << "Archivio.dat";
        QTest::newRow("year of two digits") << QStringList{QStringLiteral("csv"), QStringLiteral("25.ric")} << "25.ric";
        QTest::newRow("missing archive") << QStringList{QStringLiteral("verifica"), QStringLiteral("Clienti.pro")} << "Clienti.pro";
        QTest::newRow("archive a directory") << QStringList{QStringLiteral("csv"), QStringLiteral("2025.ric")} << "2025.ric";
        QTest::newRow("unknown command") << QStringList{QStringLiteral("ripara"), QStringLiteral("2025.ric")} << "";
        QTest::newRow("no file") << QStringList{QStringLiteral("verifica")} << "";
    }

    void refusesWhatItCannotRead()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, file);
        TempDataDir dir;
        if (QTest::currentDataTag() == QByteArrayLiteral("archive a directory"))
            QDir(dir.path()).mkdir(file);
        else if (QTest::currentDataTag() != QByteArrayLiteral("missing archive") && !file.isEmpty())
            dir.writeBytes(file, QByteArray(100, 'x'));
        if (args.size() > 1)
            args[1] = dir.file(args[1]);
        const bool existed = !file.isEmpty() && QFileInfo::exists(dir.file(file));
        const QByteArray before = existed && QFileInfo(dir.file(file)).isFile() ? dir.readBytes(file) : QByteArray();

        const Run run = archivio(args);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(!run.err.isEmpty());
        QVERIFY(run.out.isEmpty());
        if (!file.isEmpty()) {
            QCOMPARE(QFileInfo::exists(dir.file(file)), existed);
            if (QFileInfo(dir.file(file)).isFile())
                QCOMPARE(dir.readBytes(file), before);
        }
    }
};

QTEST_GUILESS_MAIN(TestArchiveChecker)
#include "tst_archive_checker.moc"

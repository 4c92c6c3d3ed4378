#include "register/RegisterRecord.h"
#include "storage/IniFile.h"
#include "storage/Numbering.h"
#include "storage/RecordFile.h"
#include "storage/StorageError.h"
#include "TestSupport.h"

#include <QTest>

class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    void roundTripKeepsOtherEntries()
    {
        TempDataDir dir;
        dir.writeBytes(QStringLiteral("Valtrena.ini"),
                       "; a comment\r\n[Numerazione Registro]\r\nInizio=100\r\n"
                       "Indicazione Anno Solare=S\xEC\r\n\r\n[Altro]\r\nChiave=valore \xE8\r\n");
        const QString path = dir.file(QStringLiteral("Valtrena.ini"));
        QCOMPARE(IniFile::read(path, QStringLiteral("Numerazione Registro"), QStringLiteral("Indicazione Anno Solare")),
                 QStringLiteral("Sì"));
        IniFile::write(path, QStringLiteral("Numerazione Registro"), QStringLiteral("Inizio"), QStringLiteral("5"));
        IniFile::write(path, QStringLiteral("Accesso"), QStringLiteral("Utente"), QStringLiteral("Mario"));
        IniFile::write(path, QStringLiteral("Altro"), QStringLiteral("Nuova"), QStringLiteral("Sì"));
        QCOMPARE(dir.readBytes(QStringLiteral("Valtrena.ini")),
                 QByteArray("; a comment\r\n[Numerazione Registro]\r\nInizio=5\r\n"
                            "Indicazione Anno Solare=S\xEC\r\n\r\n[Altro]\r\nChiave=valore \xE8\r\n"
                            "Nuova=S\xEC\r\n[Accesso]\r\nUtente=Mario\r\n"));
    }

    // No value, key or section may start a line of its own.
    void lineBreaksAreRefused_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("value CRLF") << "Ditta Emittente" << "Indirizzo" << "Via Roma\r\n[Accesso]";
        QTest::newRow("value LF") << "Ditta Emittente" << "Indirizzo" << "a\nPassword=x";
        QTest::newRow("value CR") << "Ditta Emittente" << "Indirizzo" << "a\rb";
        QTest::newRow("key") << "Ditta Emittente" << "Nome\n" << "x";
        QTest::newRow("section") << "Ditta\r\nEmittente" << "Nome" << "x";
    }
    void lineBreaksAreRefused()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        TempDataDir dir;
        const QByteArray before("[Ditta Emittente]\r\nIndirizzo=Via Verdi\r\n");
        dir.writeBytes(QStringLiteral("Valtrena.ini"), before);
        const QString path = dir.file(QStringLiteral("Valtrena.ini"));
        QVERIFY_THROWS_EXCEPTION(StorageError, IniFile::write(path, section, key, value));
        QCOMPARE(dir.readBytes(QStringLiteral("Valtrena.ini")), before);
    }

    void missingFileSectionOrKeyReadEmpty()
    {
        TempDataDir dir;
        QCOMPARE(IniFile::read(dir.file(QStringLiteral("none.ini")), QStringLiteral("A"), QStringLiteral("B")), QString());
    }

    void proposedNumber_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no settings") << QByteArray() << 0 << QStringLiteral("1");
        QTest::newRow("start plus count") << QByteArray("[Numerazione Registro]\r\nInizio=100\r\n") << 7
                                          << QStringLiteral("107");
        QTest::newRow("with year") << QByteArray("[Numerazione Registro]\r\nInizio=100\r\nIndicazione Anno Solare=S\xEC\r\n")
                                   << 0 << QStringLiteral("100/2025");
        QTest::newRow("zero start") << QByteArray("[Numerazione Registro]\r\nInizio=0\r\n") << 0 << QStringLiteral("0");
        QTest::newRow("long start value") << QByteArray("[Numerazione Registro]\r\nInizio=1234567890123\r\n") << 2
                                          << QStringLiteral("1234567890125");
        QTest::newRow("year option not exact") << QByteArray("[Numerazione Registro]\r\nIndicazione Anno Solare=si\r\n")
                                               << 2 << QStringLiteral("3");
    }
    void proposedNumber()
    {
        QFETCH(QByteArray, ini);
        QFETCH(int, stored);
        QFETCH(QString, expected);
        TempDataDir dir;
        if (!ini.isEmpty())
            dir.writeBytes(QStringLiteral("Valtrena.ini"), ini);
        dir.writeBytes(QStringLiteral("Registro_Operazioni.vtr"), QByteArray(3438 * stored, '\0'));
        QCOMPARE(Numbering::proposed(dir.file(QStringLiteral("Registro_Operazioni.vtr")), 3438,
                                     Numbering::registerSection()),
                 expected);
    }

    // Refused rather than wrapped past the largest number.
    void startValueBeyondTheRangeIsAFailure()
    {
        QVERIFY_THROWS_EXCEPTION(StorageError, Numbering::compose(QStringLiteral("9223372036854775807"), {}, 1, 2025));
        QVERIFY_THROWS_EXCEPTION(StorageError, Numbering::compose(QStringLiteral("12345678901234567890"), {}, 0, 2025));
        QCOMPARE(Numbering::compose(QStringLiteral("9223372036854775806"), {}, 1, 2025),
                 QStringLiteral("9223372036854775807"));
    }

    void startValueNotANumberIsAnArchiveFailure()
    {
        TempDataDir dir;
        dir.writeBytes(QStringLiteral("Valtrena.ini"), "[Numerazione Ricevute]\r\nInizio=abc\r\n");
        QVERIFY_THROWS_EXCEPTION(StorageError, Numbering::proposed(dir.file(QStringLiteral("2025.ric")), 3077,
                                                                   Numbering::receiptSection()));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"

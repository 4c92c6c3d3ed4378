#include "access/PasswordFile.h"
#include "access/PasswordWindows.h"
#include "access/ReportingPage.h"
#include "access/Scrambler.h"
#include "ui/AppWindows.h"
#include "ui/Controls.h"
#include "storage/IniFile.h"
#include "TestSupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <stdexcept>

using TestSupport::click;

namespace {
const QString kWrong = QStringLiteral("Attenzione: password errata.");

QLineEdit *field(QWidget *w, const char *name) { return w->findChild<QLineEdit *>(QLatin1StringView(name)); }

// Login, password change, main menu stand-in, registered as the program does.
struct AccessWindows
{
    TfrmPassword login;
    TfrmCambiaPassword change;
    QWidget menu;
    AccessWindows()
    {
        menu.setObjectName(QStringLiteral("TfrmAvvio"));
        AppWindows::add(&login);
        AppWindows::add(&change);
        AppWindows::add(&menu);
    }
    ~AccessWindows() { AppWindows::clear(); }
    void tryLogin(const QString &typed)
    {
        login.show();
        field(&login, "txtPassword")->clear();
        QTest::keyClicks(field(&login, "txtPassword"), typed);
        QTest::keyClick(field(&login, "txtPassword"), Qt::Key_Return);
    }
    void changePassword(const QString &oldOne, const QString &fresh, const QString &again)
    {
        change.show();
        QTest::keyClicks(field(&change, "txtPasswordOld"), oldOne);
        QTest::keyClicks(field(&change, "txtPasswordNew"), fresh);
        QTest::keyClicks(field(&change, "txtConferma"), again);
        click(&change, QStringLiteral("cmdOK"));
    }
};
} // namespace

class TestAccess : public QObject
{
    Q_OBJECT
private slots:
    void scramblerRoundTrip()
    {
        QString all;
        for (int c = 1; c <= 255; ++c)
            all += QChar(char16_t(c));
        const QString stored = Scrambler::scramble(all);
        QCOMPARE(stored.size(), 2 * all.size());
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9A-F]+$")).match(stored).hasMatch());
        QCOMPARE(Scrambler::unscramble(stored), all);
        QCOMPARE(Scrambler::unscramble(stored.toLower()), all);
        const QString a = Scrambler::scramble(QStringLiteral("SEGRETO1"));
        const QString b = Scrambler::scramble(QStringLiteral("SEGRETO2"));
        QCOMPARE(a.left(14), b.left(14));
        QVERIFY(a.right(2) != b.right(2));
        QCOMPARE(Scrambler::unscramble(a + u'F'), QStringLiteral("SEGRETO1"));  // odd digit ignored
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, Scrambler::unscramble(QStringLiteral("ZZ")));
        QVERIFY(!Scrambler::canKeep(QString(256, u'a')));
        QVERIFY(!Scrambler::canKeep(QStringLiteral("€")));
    }

    void loginAcceptsTheInitialPasswordInAnyCase()
    {
        TempDataDir dir;
        QFile::copy(QStringLiteral(VALTRENA_SOURCE_DIR "/resources/unins000.dll"), dir.file(QStringLiteral("unins000.dll")));
        AccessWindows w;
        MessageRecorder messages;
        w.tryLogin(QStringLiteral("sbagliata"));
        QCOMPARE(messages.texts(), QStringList{kWrong});
        QCOMPARE(field(&w.login, "txtPassword")->text(), QString());
        QVERIFY(!w.menu.isVisible());
        w.tryLogin(QStringLiteral(" vAlTrEnA  "));
        QVERIFY(w.menu.isVisible());
        QVERIFY(!w.login.isVisible());
    }

    void newDataFolderGetsTheInitialPassword()
    {
        TempDataDir dir;
        QVERIFY(PasswordFile::seedIfMissing());
        AccessWindows w;
        MessageRecorder messages;
        w.tryLogin(QStringLiteral("valtrena"));
        QVERIFY(w.menu.isVisible());
        // A password of its own is never replaced by the initial one.
        PasswordFile::store(QStringLiteral("PROPRIA"));
        QVERIFY(PasswordFile::seedIfMissing());
        QCOMPARE(PasswordFile::stored(), QStringLiteral("PROPRIA"));
    }

    void blankPasswordKeepsOkDisabled()
    {
        TempDataDir dir;
        AccessWindows w;
        MessageRecorder messages;
        w.tryLogin(QStringLiteral("   "));
        QVERIFY(!w.login.findChild<QPushButton *>(QStringLiteral("cmdOK"))->isEnabled());
        QVERIFY(messages.isEmpty());
    }

    void missingOrCorruptPasswordFile()
    {
        TempDataDir dir;
        AccessWindows w;
        MessageRecorder messages;
        w.tryLogin(QStringLiteral("x"));  // missing file: nothing matches
        dir.writeBytes(QStringLiteral("unins000.dll"), "[Accesso]\r\nValore=3GZZ\r\n");
        w.tryLogin(QStringLiteral("x"));
        QCOMPARE(messages.texts(),
                 QStringList({kWrong, QStringLiteral("Attenzione: si è verificato un errore durante la procedura "
                                                     "di lettura della password. Si consiglia di reinstallare il software.")}));
    }

    void changingThePassword()
    {
        TempDataDir dir;
        IniFile::write(dir.file(QStringLiteral("unins000.dll")), QStringLiteral("Accesso"), QStringLiteral("Valore"),
                       Scrambler::scramble(QStringLiteral("VECCHIA")));
        AccessWindows w;
        MessageRecorder messages;
        w.login.hide();
        w.changePassword(QStringLiteral("nuova"), QStringLiteral("a"), QStringLiteral("a"));
        QCOMPARE(messages.last().text, QStringLiteral("Attenzione: vecchia password errata."));
        QCOMPARE(field(&w.change, "txtPasswordOld")->text(), QString());

        field(&w.change, "txtPasswordNew")->clear();
        field(&w.change, "txtConferma")->clear();
        w.changePassword(QStringLiteral("vecchia"), QStringLiteral("Nuova"), QStringLiteral("nuova"));
        QVERIFY(messages.last().text.startsWith(QStringLiteral("Attenzione: la nuova password non è stata confermata")));
        QCOMPARE(field(&w.change, "txtConferma")->text(), QString());

        field(&w.change, "txtPasswordOld")->clear();
        w.changePassword(QStringLiteral("vecchia"), QStringLiteral(" Nuova1 "), QStringLiteral("Nuova1"));
        QCOMPARE(messages.last().text, QStringLiteral("Modifica della password completata con successo."));
        QVERIFY(!w.change.isVisible());
        QVERIFY(w.login.isVisible());
        QCOMPARE(IniFile::read(dir.file(QStringLiteral("unins000.dll")), QStringLiteral("Accesso"), QStringLiteral("Valore")),
                 Scrambler::scramble(QStringLiteral("NUOVA1")));
        messages.clear();
        w.tryLogin(QStringLiteral("vecchia"));
        w.tryLogin(QStringLiteral("NUOVA1"));
        QCOMPARE(messages.texts(), QStringList{kWrong});
        QVERIFY(w.menu.isVisible());
    }

    void passwordTheScramblerCannotKeepIsRefused()
    {
        TempDataDir dir;
        IniFile::write(dir.file(QStringLiteral("unins000.dll")), QStringLiteral("Accesso"), QStringLiteral("Valore"),
                       Scrambler::scramble(QStringLiteral("A")));
        AccessWindows w;
        MessageRecorder messages;
        w.change.show();
        field(&w.change, "txtPasswordOld")->setText(QStringLiteral("a"));
        field(&w.change, "txtPasswordNew")->setText(QStringLiteral("€uro"));
        field(&w.change, "txtConferma")->setText(QStringLiteral("€uro"));
        click(&w.change, QStringLiteral("cmdOK"));
        QVERIFY(messages.last().text.contains(QStringLiteral("255 caratteri")));
        QCOMPARE(IniFile::read(dir.file(QStringLiteral("unins000.dll")), QStringLiteral("Accesso"), QStringLiteral("Valore")),
                 Scrambler::scramble(QStringLiteral("A")));
    }

    // Set with a no-break space at its end, the password is accepted when
    // typed the same way: storing and comparing trim codes 32 and below only.
    void noBreakSpaceIsPartOfThePassword()
    {
        TempDataDir dir;
        IniFile::write(dir.file(QStringLiteral("unins000.dll")), QStringLiteral("Accesso"), QStringLiteral("Valore"),
                       Scrambler::scramble(QStringLiteral("A")));
        AccessWindows w;
        MessageRecorder messages;
        w.login.hide();
        const QString fresh = QStringLiteral("segreto") + QChar(0xA0);
        w.changePassword(QStringLiteral("a"), fresh + u' ', fresh);
        QCOMPARE(messages.last().text, QStringLiteral("Modifica della password completata con successo."));
        QCOMPARE(IniFile::read(dir.file(QStringLiteral("unins000.dll")), QStringLiteral("Accesso"), QStringLiteral("Valore")),
                 Scrambler::scramble(QStringLiteral("SEGRETO") + QChar(0xA0)));
        messages.clear();
        w.tryLogin(QStringLiteral("segreto"));
        QCOMPARE(messages.texts(), QStringList{kWrong});
        w.tryLogin(fresh);
        QCOMPARE(messages.texts(), QStringList{kWrong});
        QVERIFY(w.menu.isVisible());
    }

    void reportingPageRefusesWhatItCannotKeep_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("euro sign") << QStringLiteral("€uro");
        QTest::newRow("256 characters") << QString(256, u'x');
        QTest::newRow("outside Latin") << QStringLiteral("パス");
    }
    void reportingPageRefusesWhatItCannotKeep()
    {
        QFETCH(QString, typed);
        TempDataDir dir;
        const QString ini = dir.file(QStringLiteral("Valtrena.ini"));
        IniFile::write(ini, QStringLiteral("Accesso"), QStringLiteral("Valore"), Scrambler::scramble(QStringLiteral("prima")));
        QWidget menu;
        menu.setObjectName(QStringLiteral("TfrmAvvio"));
        AppWindows::add(&menu);
        MessageRecorder messages;
        TfrmSegnalazioni page;
        page.show();
        field(&page, "txtPassword")->setMaxLength(32767);
        field(&page, "txtPassword")->setText(typed);
        click(&page, QStringLiteral("btnApplica"));
        QCOMPARE(messages.texts(),
                 QStringList{QStringLiteral("Attenzione: la nuova password può contenere al massimo 255 caratteri, scelti "
                                            "tra lettere, cifre, segni di punteggiatura e lettere accentate "
                                            "dell'alfabeto latino.")});
        QCOMPARE(messages.last().kind, MessageKind::Warning);
        QVERIFY(page.isVisible());
        QCOMPARE(field(&page, "txtPassword")->text(), typed);
        QCOMPARE(page.focusWidget(), field(&page, "txtPassword"));
        QCOMPARE(IniFile::read(ini, QStringLiteral("Accesso"), QStringLiteral("Valore")),
                 Scrambler::scramble(QStringLiteral("prima")));
        AppWindows::clear();
    }

    void reportingPageKeepsANoBreakSpace()
    {
        TempDataDir dir;
        QWidget menu;
        menu.setObjectName(QStringLiteral("TfrmAvvio"));
        AppWindows::add(&menu);
        TfrmSegnalazioni page;
        page.show();
        const QString typed = QChar(0xA0) + QStringLiteral("Pass");
        field(&page, "txtPassword")->setText(u' ' + typed + u'\t');
        click(&page, QStringLiteral("btnApplica"));
        QCOMPARE(IniFile::read(dir.file(QStringLiteral("Valtrena.ini")), QStringLiteral("Accesso"), QStringLiteral("Valore")),
                 Scrambler::scramble(typed));
        page.show();
        QCOMPARE(field(&page, "txtPassword")->text(), typed);
        AppWindows::clear();
    }

    void reportingPageKeepsTheCredentials()
    {
        TempDataDir dir;
        QWidget menu;
        menu.setObjectName(QStringLiteral("TfrmAvvio"));
        AppWindows::add(&menu);
        TfrmSegnalazioni page;
        page.show();
        QTest::keyClicks(field(&page, "txtNomeUtente"), QStringLiteral(" mario.rossi "));
        QCOMPARE(field(&page, "txtNomeUtente")->text(), QStringLiteral("mario.rossi"));
        QTest::keyClicks(field(&page, "txtPassword"), QStringLiteral("Segreto!"));
        click(&page, QStringLiteral("btnApplica"));
        QVERIFY(!page.isVisible());
        QVERIFY(menu.isVisible());
        const QString ini = dir.file(QStringLiteral("Valtrena.ini"));
        QCOMPARE(IniFile::read(ini, QStringLiteral("Accesso"), QStringLiteral("Valore")),
                 Scrambler::scramble(QStringLiteral("Segreto!")));

        page.show();
        field(&page, "txtPassword")->setText(QStringLiteral("scartata"));
        click(&page, QStringLiteral("btnAnnulla"));
        page.show();
        QCOMPARE(field(&page, "txtNomeUtente")->text(), QStringLiteral("mario.rossi"));
        QCOMPARE(field(&page, "txtPassword")->text(), QStringLiteral("Segreto!"));
        QCOMPARE(field(&page, "txtPassword")->echoMode(), QLineEdit::Password);
        page.lnkPasswordClick();
        QCOMPARE(field(&page, "txtPassword")->echoMode(), QLineEdit::Normal);

        IniFile::write(ini, QStringLiteral("Accesso"), QStringLiteral("Valore"), QStringLiteral("XYZ1"));
        page.close();
        page.show();  // a stored value that cannot be unscrambled leaves the field as it was
        QCOMPARE(field(&page, "txtNomeUtente")->text(), QStringLiteral("mario.rossi"));
        QCOMPARE(field(&page, "txtPassword")->text(), QStringLiteral("Segreto!"));
        AppWindows::clear();
    }
};

QTEST_MAIN(TestAccess)
#include "tst_access.moc"

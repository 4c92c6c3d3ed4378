#include "CustomerFixture.h"
#include "TestSupport.h"
#include "ui/AppWindows.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "customers/CustomerFields.h"
#include "customers/CustomerWindow.h"
#include "customers/CustomersModule.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace CustomerFixture;

class CustomerWindowTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempDataDir> m_data;
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<TfrmAnagrafica> m_window;

    QString text(const QString &name) const { return TestSupport::text(m_window.get(), name); }
    void set(const QString &name, const QString &value) { TestSupport::setText(m_window.get(), name, value); }
    QLineEdit *edit(const QString &name) const
    {
        QWidget *w = Controls::child(m_window.get(), name);
        if (auto *combo = qobject_cast<QComboBox *>(w))
            return combo->lineEdit();
        return qobject_cast<QLineEdit *>(w);
    }
    void click(const char *name) { TestSupport::click(m_window.get(), QLatin1StringView(name)); }
    QString focused() const
    {
        QWidget *f = QApplication::focusWidget();
        if (f && qobject_cast<QComboBox *>(f->parentWidget()))
            f = f->parentWidget();
        return f ? f->objectName() : QString();
    }

private slots:
    void initTestCase() { CustomersModule::registerDialogs(); }

    void init()
    {
        m_data = std::make_unique<TempDataDir>();
        m_messages = std::make_unique<MessageRecorder>();
        m_window = std::make_unique<TfrmAnagrafica>();
        AppWindows::add(m_window.get());
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    void cleanup()
    {
        AppWindows::clear();
        m_window.reset();
        m_messages.reset();
        m_data.reset();
    }

    void newCardIsReady()
    {
        TfrmAnagrafica fresh;
        QCOMPARE(TestSupport::text(&fresh, QStringLiteral("panInfo")), QStringLiteral("Pronto per salvare una nuova scheda..."));
        QCOMPARE(CustomerFields::boxNames().size(), 45);
        QCOMPARE(text(QStringLiteral("txtDecorrenza")), QStringLiteral("15/06/2025"));
        QCOMPARE(text(QStringLiteral("txtScadenza")), QStringLiteral("15/06/2025"));
        QCOMPARE(text(QStringLiteral("txtPreavviso")), QStringLiteral("0"));
        QCOMPARE(text(QStringLiteral("txtTotale")), QStringLiteral("0,00"));
        QCOMPARE(text(QStringLiteral("txtRata")), QStringLiteral("0,00"));
        QCOMPARE(focused(), QStringLiteral("txtCognome"));
        auto *province = m_window->findChild<QComboBox *>(QStringLiteral("txtProvRes"));
        QCOMPARE(province->count(), 112);
        QCOMPARE(province->currentIndex(), -1);
        QCOMPARE(TestSupport::text(m_window.get(), QStringLiteral("titFamiliari")),
                 QStringLiteral("Oggetti acquistati da Compro Oro:"));
        QCOMPARE(TestSupport::text(m_window.get(), QStringLiteral("titProdotti")),
                 QStringLiteral("Oggetti venduti a Compro Oro:"));
    }

    // Saving a new card appends it once; the second save overwrites it.
    void saveNewCardThenOverwrite()
    {
        TestSupport::typeInto(edit(QStringLiteral("txtCognome")), QStringLiteral("  Rossi "));
        TestSupport::typeInto(edit(QStringLiteral("txtNome")), QStringLiteral("Mario"));
        click("cmdSalva");
        QCOMPARE(m_messages->last().kind, MessageKind::Information);
        QCOMPARE(m_messages->last().text, QStringLiteral("La scheda corrente è stata inserita in archivio."));
        QCOMPARE(text(QStringLiteral("lblPosizione")), QStringLiteral("1"));

        QList<CustomerRecord> cards = read();
        QCOMPARE(cards.size(), 1);
        QCOMPARE(cards[0].Cognome, QStringLiteral("Rossi"));
        QCOMPARE(cards[0].Decorrenza, QStringLiteral("15/06/2025"));
        QCOMPARE(cards[0].Scadenza, QStringLiteral("15/06/2025"));
        QCOMPARE(cards[0].Preavviso, QStringLiteral("0"));
        QCOMPARE(cards[0].Totale, QStringLiteral("0,00"));
        QCOMPARE(cards[0].Rata, QStringLiteral("0,00"));

        set(QStringLiteral("txtNome"), QStringLiteral("Marco"));
        click("cmdSalva");
        QCOMPARE(m_messages->last().text,
                 QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
        cards = read();
        QCOMPARE(cards.size(), 1);
        QCOMPARE(cards[0].Nome, QStringLiteral("Marco"));
    }

    void saveChecks_data()
    {
        QTest::addColumn<QStringList>("settings");  // box, text, box, text...
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        const QString fmt = QStringLiteral("\n\r\n\rPer poter salvare la scheda è necessario indicare una data valida nel formato gg/mm/aaaa.");
        const int warning = int(MessageKind::Warning), plain = int(MessageKind::Plain);

        QTest::newRow("blank surname, bad date too: surname first")
            << QStringList{QStringLiteral("txtCognome"), QStringLiteral("   "), QStringLiteral("txtDecorrenza"), QStringLiteral("x")}
            << warning << QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il cognome del cliente.")
            << QStringLiteral("txtCognome");
        QTest::newRow("no name")
            << QStringList{QStringLiteral("txtNome"), QStringLiteral(" ")}
            << warning << QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il nome del cliente.")
            << QStringLiteral("txtNome");
        QTest::newRow("no start date")
            << QStringList{QStringLiteral("txtDecorrenza"), QString(), QStringLiteral("txtScadenza"), QString()}
            << warning
            << QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la data di decorrenza dell'acquisto rateale effettuato.")
            << QStringLiteral("txtDecorrenza");
        QTest::newRow("no due date")
            << QStringList{QStringLiteral("txtScadenza"), QString()}
            << warning
            << QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la data di scadenza della prossima rata.")
            << QStringLiteral("txtScadenza");
        QTest::newRow("start date does not exist")
            << QStringList{QStringLiteral("txtDecorrenza"), QStringLiteral("31/02/2024")}
            << plain << QStringLiteral("Attenzione: la data di decorrenza 31/02/2024 non esiste.") + fmt
            << QStringLiteral("txtDecorrenza");
        QTest::newRow("due date does not exist")
            << QStringList{QStringLiteral("txtScadenza"), QStringLiteral("29/02/2025")}
            << plain << QStringLiteral("Attenzione: la data di scadenza 29/02/2025 non esiste.") + fmt
            << QStringLiteral("txtScadenza");
        QTest::newRow("due before start: focus stays")
            << QStringList{QStringLiteral("txtDecorrenza"), QStringLiteral("31/12/2024"), QStringLiteral("txtScadenza"), QStringLiteral("01/12/2024")}
            << plain
            << QStringLiteral("Attenzione: la data di scadenza della prossima rata (01/12/2024) non può essere anteriore "
                              "a quella di decorrenza (31/12/2024).\n\r\n\rPer poter salvare la scheda è necessario "
                              "indicare un intervallo di tempo valido.")
            << QStringLiteral("txtNote");
        QTest::newRow("no notice")
            << QStringList{QStringLiteral("txtPreavviso"), QString()}
            << warning << QStringLiteral("Attenzione: per salvare la scheda è necessario indicare i giorni di preavviso.")
            << QStringLiteral("txtPreavviso");
    }

    void saveChecks()
    {
        QFETCH(QStringList, settings);
        QFETCH(int, kind);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        set(QStringLiteral("txtCognome"), QStringLiteral("Rossi"));
        set(QStringLiteral("txtNome"), QStringLiteral("Mario"));
        for (qsizetype i = 0; i + 1 < settings.size(); i += 2)
            set(settings[i], settings[i + 1]);
        edit(QStringLiteral("txtNote"))->setFocus();
        click("cmdSalva");
        QCOMPARE(m_messages->entries().size(), 1);
        QCOMPARE(int(m_messages->last().kind), kind);
        QCOMPARE(m_messages->last().text, message);
        QCOMPARE(focused(), focus);
        QCOMPARE(text(QStringLiteral("lblPosizione")), QString());
        QCOMPARE(read().size(), 0);
    }

    void equalDatesAreAccepted()
    {
        set(QStringLiteral("txtCognome"), QStringLiteral("Rossi"));
        set(QStringLiteral("txtNome"), QStringLiteral("Mario"));
        set(QStringLiteral("txtDecorrenza"), QStringLiteral("01/12/2024"));
        set(QStringLiteral("txtScadenza"), QStringLiteral("1/12/2024"));
        click("cmdSalva");
        QCOMPARE(m_messages->last().kind, MessageKind::Information);
        QCOMPARE(read().size(), 1);
    }

    // Dates are stored dd/mm/yyyy, the way every list reads them; a text that
    // is not a date is left as typed.
    void datesAreStoredInFull()
    {
        set(QStringLiteral("txtCognome"), QStringLiteral("Rossi"));
        set(QStringLiteral("txtNome"), QStringLiteral("Mario"));
        set(QStringLiteral("txtDataNasc"), QStringLiteral("5/3/80"));
        set(QStringLiteral("txtDataRil"), QStringLiteral("1/2/2020"));
        set(QStringLiteral("txtDataSca"), QStringLiteral("ignota"));
        set(QStringLiteral("txtDecorrenza"), QStringLiteral("1/12/2024"));
        set(QStringLiteral("txtScadenza"), QStringLiteral("1/1/2025"));
        click("cmdSalva");
        QCOMPARE(m_messages->last().kind, MessageKind::Information);
        const CustomerRecord c = read().value(0);
        QCOMPARE(c.DataNasc, QStringLiteral("05/03/1980"));
        QCOMPARE(c.DataRil, QStringLiteral("01/02/2020"));
        QCOMPARE(c.DataSca, QStringLiteral("ignota"));
        QCOMPARE(c.Decorrenza, QStringLiteral("01/12/2024"));
        QCOMPARE(c.Scadenza, QStringLiteral("01/01/2025"));
        QCOMPARE(text(QStringLiteral("txtDataNasc")), QStringLiteral("05/03/1980"));
    }

    // Every field shown, edited and written back in place, the six hidden
    // labels and the province boxes included.
    void navigateAndOverwrite()
    {
        CustomerRecord second = card(QStringLiteral("Bianchi"), QStringLiteral("Anna"));
        second.ProvRes = QStringLiteral("ZZ");  // not a known code: shown as typed
        second.File02 = QStringLiteral("contratto.pdf");
        // Longer than the box lets anyone type, as older cards may hold.
        second.Rata = QStringLiteral("1234567890123456,50");
        second.Desc03 = QStringLiteral("scansione");
        write({card(QStringLiteral("Rossi"), QStringLiteral("Mario")), second});

        click("cmdUltimo");
        QCOMPARE(text(QStringLiteral("lblPosizione")), QStringLiteral("2"));
        QCOMPARE(text(QStringLiteral("txtCognome")), QStringLiteral("Bianchi"));
        QCOMPARE(text(QStringLiteral("txtProvRes")), QStringLiteral("ZZ"));
        QCOMPARE(text(QStringLiteral("lblFile02")), QStringLiteral("contratto.pdf"));
        QCOMPARE(text(QStringLiteral("lblDesc03")), QStringLiteral("scansione"));

        click("cmdAvanti");  // already the last: nothing happens
        QCOMPARE(text(QStringLiteral("lblPosizione")), QStringLiteral("2"));
        QVERIFY(m_messages->isEmpty());

        set(QStringLiteral("txtTelCel"), QStringLiteral("333 1234567"));
        QLineEdit *instalment = edit(QStringLiteral("txtRata"));
        instalment->setFocus();
        instalment->end(false);
        QTest::keyClick(instalment, Qt::Key_Backspace);  // a long amount can still be edited...
        QTest::keyClick(instalment, Qt::Key_5);          // ...but not made longer
        click("cmdSalva");
        const QList<CustomerRecord> cards = read();
        QCOMPARE(cards.size(), 2);
        QCOMPARE(cards[1].TelCel, QStringLiteral("333 1234567"));
        QCOMPARE(cards[1].File02, QStringLiteral("contratto.pdf"));
        QCOMPARE(cards[1].ProvRes, QStringLiteral("ZZ"));
        QCOMPARE(cards[1].Rata, QStringLiteral("1234567890123456,50"));
        QCOMPARE(cards[0].Cognome, QStringLiteral("Rossi"));

        m_messages->clear();
        click("cmdIndietro");
        click("cmdIndietro");  // on card 1: nothing happens
        QCOMPARE(text(QStringLiteral("lblPosizione")), QStringLiteral("1"));
        QCOMPARE(text(QStringLiteral("txtCognome")), QStringLiteral("Rossi"));
        QCOMPARE(text(QStringLiteral("lblFile02")), QString());
        QVERIFY(m_messages->isEmpty());

        click("cmdNuovo");
        QCOMPARE(text(QStringLiteral("lblPosizione")), QString());
        QCOMPARE(text(QStringLiteral("txtCognome")), QString());
        QCOMPARE(text(QStringLiteral("txtProvRes")), QString());
    }

    void emptyArchiveSaysSo()
    {
        click("cmdAvanti");
        QCOMPARE(m_messages->last().text, QStringLiteral("L'archivio non contiene nessuna scheda."));
        QCOMPARE(m_messages->last().kind, MessageKind::Information);
        QCOMPARE(text(QStringLiteral("txtPreavviso")), QStringLiteral("0"));
    }

    void unreadableArchiveKeepsTheCard()
    {
        QDir().mkpath(archive());  // a folder where the file should be
        set(QStringLiteral("txtCognome"), QStringLiteral("Rossi"));
        set(QStringLiteral("txtNome"), QStringLiteral("Mario"));
        click("cmdSalva");
        QCOMPARE(m_messages->last().kind, MessageKind::Error);
        QVERIFY(m_messages->last().text.startsWith(QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.")));
        QCOMPARE(text(QStringLiteral("lblPosizione")), QString());
        QCOMPARE(text(QStringLiteral("txtCognome")), QStringLiteral("Rossi"));
    }

    void typingRules_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");  // after leaving the box
        QTest::newRow("VAT digits only") << QStringLiteral("txtIva") << QString() << QStringLiteral("a1b2.3") << QStringLiteral("123");
        QTest::newRow("card digits only") << QStringLiteral("txtCarta") << QString() << QStringLiteral("4532-01") << QStringLiteral("453201");
        QTest::newRow("notice digits only") << QStringLiteral("txtPreavviso") << QString() << QStringLiteral("1x5") << QStringLiteral("15");
        QTest::newRow("total 12,5") << QStringLiteral("txtTotale") << QString() << QStringLiteral("12,5") << QStringLiteral("12,50");
        QTest::newRow("total 7") << QStringLiteral("txtTotale") << QString() << QStringLiteral("7") << QStringLiteral("7,00");
        QTest::newRow("instalment lone comma") << QStringLiteral("txtRata") << QString() << QStringLiteral(",") << QStringLiteral(",");
        QTest::newRow("instalment 4 decimals") << QStringLiteral("txtRata") << QString() << QStringLiteral("1,23456") << QStringLiteral("1,2346");
        QTest::newRow("instalment letters dropped") << QStringLiteral("txtRata") << QString() << QStringLiteral("-1a0.5") << QStringLiteral("105,00");
        QTest::newRow("instalment max 15") << QStringLiteral("txtRata") << QString() << QStringLiteral("12345678901234567") << QStringLiteral("123456789012345,00");
        QTest::newRow("fiscal code capitals") << QStringLiteral("txtCodFisc") << QString() << QStringLiteral(" rssmra80 ") << QStringLiteral("RSSMRA80");
        QTest::newRow("accents left alone") << QStringLiteral("txtCodFisc") << QStringLiteral("à") << QStringLiteral("b") << QStringLiteral("àB");
        QTest::newRow("sex capital") << QStringLiteral("txtSesso") << QString() << QStringLiteral("f") << QStringLiteral("F");
        QTest::newRow("province capitals, two letters") << QStringLiteral("txtProvNasc") << QString() << QStringLiteral("rmx") << QStringLiteral("RM");
        QTest::newRow("e-mail trimmed") << QStringLiteral("txtEmail") << QString() << QStringLiteral(" a@b.it ") << QStringLiteral("a@b.it");
        QTest::newRow("surname as typed") << QStringLiteral("txtCognome") << QString() << QStringLiteral("de luca") << QStringLiteral("de luca");
    }

    void typingRules()
    {
        QFETCH(QString, box);
        QFETCH(QString, before);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QLineEdit *field = edit(box);
        field->setText(before);
        TestSupport::typeInto(field, typed);
        edit(QStringLiteral("txtNote"))->setFocus();
        QCOMPARE(field->text(), shown);
    }

    void provinceBoxes_data()
    {
        QTest::addColumn<QString>("box");
        QTest::newRow("birth") << QStringLiteral("txtProvNasc");
        QTest::newRow("residence") << QStringLiteral("txtProvRes");
    }

    // Typed into the combo box itself: capitals after every key, and the
    // focus rectangle of every other field while the box has the focus.
    void provinceBoxes()
    {
        QFETCH(QString, box);
        auto *province = m_window->findChild<QComboBox *>(box);
        auto *rectangle = m_window->findChild<QWidget *>(u"eff" + box.mid(3));
        QVERIFY(province && rectangle);
        QVERIFY(!rectangle->isVisible());
        province->setFocus();
        QVERIFY(rectangle->isVisible());
        QVERIFY(rectangle->geometry().contains(province->geometry()));
        QTest::keyClick(province, 'r');
        QCOMPARE(province->currentText(), QStringLiteral("R"));
        QTest::keyClick(province, 'm');
        QCOMPARE(province->currentText(), QStringLiteral("RM"));
        edit(QStringLiteral("txtNote"))->setFocus();
        QVERIFY(!rectangle->isVisible());
        QCOMPARE(province->currentText(), QStringLiteral("RM"));
    }

    void enterFollowsTheCard_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("first row") << QStringLiteral("txtCognome") << QStringLiteral("txtNome");
        QTest::newRow("into a province") << QStringLiteral("txtComuneNasc") << QStringLiteral("txtProvNasc");
        QTest::newRow("out of a province") << QStringLiteral("txtProvNasc") << QStringLiteral("txtIva");
        QTest::newRow("left to right panel") << QStringLiteral("txtNote") << QStringLiteral("txtTipoDoc");
        QTest::newRow("last back to first") << QStringLiteral("txtRata") << QStringLiteral("txtCognome");
    }

    void enterFollowsTheCard()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QLineEdit *field = edit(from);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(focused(), to);
    }

    void hintLine()
    {
        auto *save = Controls::child(m_window.get(), QStringLiteral("cmdSalva"));
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(save, &enter);
        QCOMPARE(text(QStringLiteral("panInfo")), QStringLiteral("Salva la scheda corrente in archivio."));
        QApplication::sendEvent(Controls::child(m_window.get(), QStringLiteral("panAnagrafica")), &enter);
        QCOMPARE(text(QStringLiteral("panInfo")), QString());
    }

    void checkButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("input");
        QTest::newRow("fiscal code") << QStringLiteral("btnCodFisc") << QStringLiteral("txtCodFisc")
                                     << QStringLiteral("RSSMRA80A01H501U") << QStringLiteral("TfrmCodFisc")
                                     << QStringLiteral("txtCodFisc");
        QTest::newRow("company fiscal code is a VAT number")
            << QStringLiteral("btnCodFisc") << QStringLiteral("txtCodFisc") << QStringLiteral("01234567897")
            << QStringLiteral("TfrmPartitaIva") << QStringLiteral("txtPartitaIva");
        QTest::newRow("VAT") << QStringLiteral("btnIva") << QStringLiteral("txtIva") << QStringLiteral("01234567897")
                             << QStringLiteral("TfrmPartitaIva") << QStringLiteral("txtPartitaIva");
        QTest::newRow("IBAN") << QStringLiteral("btnIban") << QStringLiteral("txtIban")
                              << QStringLiteral("IT60X0542811101000000123456") << QStringLiteral("TfrmIban")
                              << QStringLiteral("txtIban");
        QTest::newRow("card") << QStringLiteral("btnCarta") << QStringLiteral("txtCarta")
                              << QStringLiteral("4532015112830366") << QStringLiteral("TfrmCarta")
                              << QStringLiteral("txtNumero");
    }

    void checkButtons()
    {
        QFETCH(QString, button);
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, dialog);
        QFETCH(QString, input);
        // Stand-ins carrying the input box of each check dialog.
        const QStringList checks{QStringLiteral("TfrmCodFisc"), QStringLiteral("TfrmPartitaIva"),
                                 QStringLiteral("TfrmIban"), QStringLiteral("TfrmCarta")};
        const QStringList inputs{QStringLiteral("txtCodFisc"), QStringLiteral("txtPartitaIva"),
                                 QStringLiteral("txtIban"), QStringLiteral("txtNumero")};
        for (qsizetype i = 0; i < checks.size(); ++i)
            Dialogs::add(checks[i], [name = checks[i], field = inputs[i]](QWidget *parent) {
                auto *d = new QDialog(parent);
                d->setObjectName(name);
                (new QLineEdit(d))->setObjectName(field);
                return d;
            });
        set(box, typed);
        QString received;
        ModalScript script;
        script.then([&](QDialog *d) {
            received = TestSupport::text(d, input);
            return int(QDialog::Accepted);
        });
        click(qPrintable(button));
        QCOMPARE(script.seen(), QStringList{dialog});
        QCOMPARE(received, typed);
    }

    void email_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("command");
        QTest::newRow("address") << QStringLiteral("mario@rossi.it") << QStringLiteral("\"mailto:mario@rossi.it\"");
        QTest::newRow("empty still opens the mail program") << QString() << QStringLiteral("\"mailto:\"");
    }

    void email()
    {
        QFETCH(QString, address);
        QFETCH(QString, command);
        ShellRecorder shell;
        set(QStringLiteral("txtEmail"), address);
        click("btnEmail");
        QCOMPARE(shell.commands, QStringList{command});
    }

    void folderNeedsASavedCard()
    {
        ModalScript script;
        click("cmdCartella");
        QCOMPARE(m_messages->last().kind, MessageKind::Warning);
        QCOMPARE(m_messages->last().text,
                 QStringLiteral("Attenzione: l'abbinamento di una cartella ad un cliente può avvenire soltanto dopo "
                                "che la scheda è stata inserita in archivio."));
        QVERIFY(script.seen().isEmpty());

        write({card(QStringLiteral("A"), QStringLiteral("B")), card(QStringLiteral("C"), QStringLiteral("D"))});
        click("cmdUltimo");
        QString token;
        script.then([&](QDialog *d) {
            token = Controls::token(d);
            return int(QDialog::Rejected);
        });
        click("cmdCartella");
        QCOMPARE(script.seen(), QStringList{QStringLiteral("TfrmCartella")});
        QCOMPARE(token, QStringLiteral("2"));
    }

    // The attachments travel through the dialog into the hidden labels and
    // reach the file only with the next save.
    void attachmentsRoundTrip()
    {
        set(QStringLiteral("lblFile01"), QStringLiteral(" doc.pdf "));
        set(QStringLiteral("lblDesc01"), QStringLiteral("Documento"));
        ModalScript script;
        QString token, shownFile;
        script.then([&](QDialog *d) {
            token = Controls::token(d);
            shownFile = TestSupport::text(d, QStringLiteral("txtFile01"));
            TestSupport::setText(d, QStringLiteral("txtDesc01"), QStringLiteral("Carta d'identità"));
            TestSupport::setText(d, QStringLiteral("txtDesc03"), QStringLiteral("  Contratto "));
            TestSupport::click(d, QStringLiteral("btnApplica"));
            return d->result();
        });
        click("cmdFile");
        QCOMPARE(token, QStringLiteral("anagrafica"));
        QCOMPARE(shownFile, QStringLiteral("doc.pdf"));
        QCOMPARE(text(QStringLiteral("lblDesc01")), QStringLiteral("Carta d'identità"));
        QCOMPARE(text(QStringLiteral("lblDesc03")), QStringLiteral("Contratto"));
        QCOMPARE(read().size(), 0);

        set(QStringLiteral("txtCognome"), QStringLiteral("Rossi"));
        set(QStringLiteral("txtNome"), QStringLiteral("Mario"));
        click("cmdSalva");
        const CustomerRecord saved = read().value(0);
        QCOMPARE(saved.File01, QStringLiteral("doc.pdf"));
        QCOMPARE(saved.Desc01, QStringLiteral("Carta d'identità"));
        QCOMPARE(saved.Desc03, QStringLiteral("Contratto"));
    }

    void loadCardForTheSearch()
    {
        write({card(QStringLiteral("A"), QStringLiteral("B")), card(QStringLiteral("Verdi"), QStringLiteral("Luca"))});
        QVERIFY(QMetaObject::invokeMethod(m_window.get(), "loadCard", Q_ARG(int, 1)));
        QCOMPARE(text(QStringLiteral("txtCognome")), QStringLiteral("Verdi"));
        QCOMPARE(text(QStringLiteral("lblPosizione")), QStringLiteral("2"));
    }
};

QTEST_MAIN(CustomerWindowTest)
#include "tst_customerwindow.moc"

#include "CustomerFixture.h"
#include "TestSupport.h"
#include "ui/AppWindows.h"
#include "ui/Controls.h"
#include "customers/CustomerSearch.h"
#include "customers/CustomerWindow.h"
#include "resultlist/ResultList.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace CustomerFixture;

namespace {
// An area window holding the controls a delivery may write, plus one that
// no delivery touches.
std::unique_ptr<QWidget> standIn(const QString &className, const QStringList &controls)
{
    auto w = std::make_unique<QWidget>();
    w->setObjectName(className);
    for (const QString &name : controls + QStringList{QStringLiteral("txtUntouched")}) {
        if (name.startsWith(QStringLiteral("txtProv"))) {
            auto *combo = new QComboBox(w.get());
            combo->setEditable(true);
            combo->addItems({QStringLiteral("MI"), QStringLiteral("RM")});
            combo->setObjectName(name);
        } else {
            (new QLineEdit(QStringLiteral("before"), w.get()))->setObjectName(name);
        }
    }
    return w;
}

CustomerRecord fullCard()
{
    CustomerRecord c = card(QStringLiteral("Rossi"), QStringLiteral("Mario"));
    c.CodFisc = QStringLiteral("RSSMRA80A01H501U");
    c.DataNasc = QStringLiteral("01/01/1980");
    c.ComuneNasc = QStringLiteral("Roma");
    c.ProvNasc = QStringLiteral("RM");
    c.Sesso = QStringLiteral("M");
    c.TipoDoc = QStringLiteral("Patente");
    c.NumDoc = QStringLiteral("U1234567");
    c.EnteRil = QStringLiteral("MCTC");
    c.DataRil = QStringLiteral("02/02/2020");
    c.DataSca = QStringLiteral("02/02/2030");
    c.Indirizzo = QStringLiteral("Via Roma 1");
    c.Cap = QStringLiteral("20100");
    c.ComuneRes = QStringLiteral("Milano");
    c.ProvRes = QStringLiteral("ZZ");
    c.Iva = QStringLiteral("01234567897");
    c.Banca = QStringLiteral("Banca Uno");
    c.Pagamento = QStringLiteral("Bonifico");
    return c;
}
} // namespace

class CustomerSearchTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempDataDir> m_data;
    std::unique_ptr<MessageRecorder> m_messages;

    // Runs a search with the given criteria and returns the dialog on its results.
    std::unique_ptr<TfrmTrovaClienti> search(const QList<QPair<QString, QString>> &criteria,
                                             const QString &token = QStringLiteral("clienti"),
                                             QWidget *opener = nullptr)
    {
        auto dialog = std::make_unique<TfrmTrovaClienti>(opener);
        Controls::setToken(dialog.get(), token);
        for (const auto &[box, text] : criteria)
            TestSupport::setText(dialog.get(), box, text);
        TestSupport::click(dialog.get(), QStringLiteral("btnCerca"));
        return dialog;
    }
    void pick(TfrmTrovaClienti *dialog, int line)
    {
        dialog->list()->setSelectedIndex(line);
        dialog->lstRecordsDblClick();
    }

private slots:
    void init()
    {
        m_data = std::make_unique<TempDataDir>();
        m_messages = std::make_unique<MessageRecorder>();
    }
    void cleanup()
    {
        AppWindows::clear();
        m_messages.reset();
        m_data.reset();
    }

    void criteriaCombine_data()
    {
        QTest::addColumn<QString>("surname");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("listed");  // surnames and names in list order
        QTest::newRow("both must match, any case") << QStringLiteral("ross") << QStringLiteral("MAR")
                                                   << QStringList{QStringLiteral("Rossi Mario"), QStringLiteral("ROSSINI Marta")};
        QTest::newRow("blank criterion takes no part") << QStringLiteral("ross") << QStringLiteral("   ")
                                                       << QStringList{QStringLiteral("Rossi Luca"), QStringLiteral("Rossi Mario"),
                                                                      QStringLiteral("ROSSINI Marta")};
        QTest::newRow("trailing blank is part of the key") << QStringLiteral("rossi ") << QString() << QStringList();
        QTest::newRow("accented capital stays itself") << QStringLiteral("È") << QString() << QStringList();
        QTest::newRow("no criterion lists everyone")
            << QString() << QString()
            << QStringList{QStringLiteral("Bianchi Maria"), QStringLiteral("Rossi Luca"), QStringLiteral("Rossi Mario"),
                           QStringLiteral("ROSSINI Marta"), QStringLiteral("è Marco")};
    }

    void criteriaCombine()
    {
        QFETCH(QString, surname);
        QFETCH(QString, name);
        QFETCH(QStringList, listed);
        write({card(QStringLiteral("Rossi"), QStringLiteral("Mario")), card(QStringLiteral("Bianchi"), QStringLiteral("Maria")),
               card(QStringLiteral("ROSSINI"), QStringLiteral("Marta")), card(QStringLiteral("Rossi"), QStringLiteral("Luca")),
               card(QStringLiteral("è"), QStringLiteral("Marco"))});
        auto dialog = search({{QStringLiteral("txtCognome"), surname}, {QStringLiteral("txtNome"), name}});
        QStringList names;
        for (const QString &line : dialog->list()->lines())
            names.append(line.left(28).trimmed());
        QCOMPARE(names, listed);
        QCOMPARE(TestSupport::text(dialog.get(), QStringLiteral("lblTrovate")),
                 QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(listed.size()));
    }

    void resultLine()
    {
        CustomerRecord c = card(QStringLiteral(" Rossi "), QStringLiteral("Mario"));
        c.CodFisc = QStringLiteral("RSSMRA80A01H501U");
        c.Zona = QStringLiteral("Oreficeria Rossi e Figli di Roma S.p.A.");
        c.Recapito = QStringLiteral("06 1234567");
        c.Note = QStringLiteral(" cliente  storico ");
        QCOMPARE(TfrmTrovaClienti::lineOf(CustomerRecordLayout::encode(c).constData()),
                 QStringLiteral("Rossi Mario                   C.F. RSSMRA80A01H501U  Ditta: Oreficeria Rossi e Figli di "
                                "  Tel. 06 1234567      Note: cliente  storico"));
    }

    // Each line keeps its card's position: a cut name finds its own card and
    // two identical lines each open their own card.
    void doubleClickLoadsTheCard_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("position");
        QTest::addColumn<QString>("fiscalCode");
        QTest::addColumn<QString>("email");
        QTest::newRow("cut name, first card") << 0 << QStringLiteral("1") << QStringLiteral("AAA") << QString();
        QTest::newRow("cut name, second card") << 1 << QStringLiteral("2") << QStringLiteral("BBB") << QString();
        QTest::newRow("identical lines, the first card")
            << 2 << QStringLiteral("3") << QStringLiteral("CCC") << QStringLiteral("not on the line");
        QTest::newRow("identical lines, the later card") << 3 << QStringLiteral("4") << QStringLiteral("CCC") << QString();
    }

    void doubleClickLoadsTheCard()
    {
        QFETCH(int, line);
        QFETCH(QString, position);
        QFETCH(QString, fiscalCode);
        QFETCH(QString, email);
        CustomerRecord first = card(QStringLiteral("Dellavalle Brambilla"), QStringLiteral("Giovanbattista"));
        first.CodFisc = QStringLiteral("AAA");
        CustomerRecord second = first;
        second.CodFisc = QStringLiteral("BBB");
        CustomerRecord third = card(QStringLiteral("Zeta"), QStringLiteral("Uno"));
        CustomerRecord fourth = third;
        third.Email = QStringLiteral("not on the line");
        fourth.CodFisc = QStringLiteral("CCC");
        third.CodFisc = QStringLiteral("CCC");
        write({first, second, third, fourth});

        // Opened by the customer window, whose boxes share the criteria's names.
        TfrmAnagrafica window;
        AppWindows::add(&window);
        auto dialog = search({}, QStringLiteral("clienti"), &window);
        QCOMPARE(dialog->list()->count(), 4);
        QVERIFY(dialog->list()->lines().at(0).startsWith(QStringLiteral("Dellavalle Brambilla Giovanb  C.F. AAA")));
        pick(dialog.get(), line);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(TestSupport::text(&window, QStringLiteral("lblPosizione")), position);
        QCOMPARE(TestSupport::text(&window, QStringLiteral("txtCodFisc")), fiscalCode);
        QCOMPARE(TestSupport::text(&window, QStringLiteral("txtEmail")), email);
    }

    void deliveries_data()
    {
        QTest::addColumn<QString>("token");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("expected");  // control=value
        QTest::newRow("register") << QStringLiteral("registro") << QStringLiteral("TfrmRegistro")
            << QStringList{QStringLiteral("txtCliente=Rossi Mario"), QStringLiteral("txtCodFisc=RSSMRA80A01H501U"),
                           QStringLiteral("txtDataNasc=01/01/1980"), QStringLiteral("txtLuogoNasc=Roma"),
                           QStringLiteral("txtProvNasc=RM"), QStringLiteral("txtSesso=M"),
                           QStringLiteral("txtTipoDoc=Patente"), QStringLiteral("txtNumDoc=U1234567"),
                           QStringLiteral("txtEnteRil=MCTC"), QStringLiteral("txtDataRil=02/02/2020"),
                           QStringLiteral("txtDataSca=02/02/2030")};
        QTest::newRow("receipts") << QStringLiteral("ricevute") << QStringLiteral("TfrmRicevute")
            << QStringList{QStringLiteral("txtCliente=Rossi Mario"), QStringLiteral("txtViaCliente=Via Roma 1"),
                           QStringLiteral("txtCapCliente=20100"), QStringLiteral("txtCittaCliente=Milano"),
                           QStringLiteral("txtProvCliente=ZZ"), QStringLiteral("txtCodFiscCliente=RSSMRA80A01H501U"),
                           QStringLiteral("txtIvaCliente=01234567897"), QStringLiteral("txtBanca=Banca Uno"),
                           QStringLiteral("txtPagamento=Bonifico")};
        QTest::newRow("payout chooser") << QStringLiteral("menuriepcosti") << QStringLiteral("TfrmMenuRiepCosti")
            << QStringList{QStringLiteral("txtCCP=RSSMRA80A01H501U")};
    }

    void deliveries()
    {
        QFETCH(QString, token);
        QFETCH(QString, window);
        QFETCH(QStringList, expected);
        write({fullCard()});
        QStringList controls;
        for (const QString &pair : expected)
            controls.append(pair.section(u'=', 0, 0));
        // Opened by the target window, whose controls come after the search's
        // boxes of the same names.
        auto target = std::make_unique<QWidget>();
        target->setObjectName(window);
        AppWindows::add(target.get());
        auto dialog = search({{QStringLiteral("txtCognome"), QStringLiteral("rossi")}}, token, target.get());
        QWidget *form = standIn(QString(), controls).release();
        form->setParent(target.get());
        pick(dialog.get(), 0);
        for (const QString &pair : expected)
            QCOMPARE(TestSupport::text(form, pair.section(u'=', 0, 0)), pair.section(u'=', 1));
        QCOMPARE(TestSupport::text(form, QStringLiteral("txtUntouched")), QStringLiteral("before"));
        QCOMPARE(TestSupport::text(dialog.get(), QStringLiteral("txtCodFisc")), QString());
        QCOMPARE(read().size(), 1);
    }

    void unknownTokenImportsNothing()
    {
        write({fullCard()});
        auto target = standIn(QStringLiteral("TfrmRegistro"), {QStringLiteral("txtCliente")});
        AppWindows::add(target.get());
        auto dialog = search({}, QStringLiteral("Registro"));
        pick(dialog.get(), 0);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(TestSupport::text(target.get(), QStringLiteral("txtCliente")), QStringLiteral("before"));
    }

    void unreadableArchiveStaysOnTheCriteria()
    {
        QDir().mkpath(archive());
        auto dialog = search({{QStringLiteral("txtCognome"), QStringLiteral("x")}});
        QCOMPARE(m_messages->last().kind, MessageKind::Plain);
        QVERIFY(m_messages->last().text.startsWith(QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.")));
        QVERIFY(!Controls::child(dialog.get(), QStringLiteral("panAvvio"))->isHidden());
        QVERIFY(Controls::child(dialog.get(), QStringLiteral("panContainer"))->isHidden());
    }
};

QTEST_MAIN(CustomerSearchTest)
#include "tst_customersearch.moc"

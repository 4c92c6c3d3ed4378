#include "RegisterFixture.h"
#include "ui/AppWindows.h"
#include "ui/Controls.h"
#include "register/search/RegisterSearch.h"
#include "register/search/RegisterSearchModule.h"
#include "ui/Dialogs.h"
#include "storage/ArchiveTexts.h"
#include "register/RegisterLines.h"

#include <QDir>
#include <QLineEdit>
#include <QTest>

namespace {

// Opens a fresh search with a token, types the criteria and presses Cerca.
std::unique_ptr<TfrmTrovaRegistro> search(const QList<QPair<QString, QString>> &criteria,
                                          const QString &token = QStringLiteral("registro"))
{
    auto dialog = std::make_unique<TfrmTrovaRegistro>();
    Controls::setToken(dialog.get(), token);
    dialog->show();
    for (const auto &[field, text] : criteria)
        TestSupport::setText(dialog.get(), field, text);
    TestSupport::click(dialog.get(), QStringLiteral("btnCerca"));
    return dialog;
}

QString label(const QWidget *w, const char *name, TestSupport::Where at = TestSupport::Where::current())
{
    return TestSupport::text(w, QLatin1StringView(name), at);
}

} // namespace

class TestRegisterSearch : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { AppWindows::clear(); }

    void noCriterionListsEveryCardSorted()
    {
        TempDataDir dir;
        writeRegister(dir, {card(u"Oro giallo"_qs, u"Catenina"_qs, u"Bianchi"_qs, u"10,00"_qs),
                            card(u"argento 925"_qs, u"Spilla"_qs, u"Verdi"_qs, u"5,00"_qs, u"Sì"_qs),
                            card(u"Argento"_qs, u"Anello"_qs, u"Rossi"_qs, u"7,50"_qs)});
        auto dialog = search({});
        QVERIFY(dialog->findChild<QWidget *>(u"panContainer"_qs)->isVisible());
        QVERIFY(!dialog->findChild<QWidget *>(u"panAvvio"_qs)->isVisible());
        const QStringList lines = dialog->list()->lines();
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[0].startsWith(u"Argento   "));
        QVERIFY(lines[1].startsWith(u"argento 925"));
        QVERIFY(lines[2].startsWith(u"Oro giallo"));
        QCOMPARE(lines[0], ResultLines::fit(u"Argento", 30) + u"  -  " + ResultLines::fit(u"Anello", 50)
                               + u"  Cliente: " + ResultLines::fit(u"Rossi", 32) + u"  Importo: € 7,50");
        QCOMPARE(label(dialog.get(), "lblTrovate"), u"Il presente riepilogo contiene 3 schede."_qs);
        QCOMPARE(label(dialog.get(), "lblConta"), u"0"_qs);
    }

    void criteria_data()
    {
        QTest::addColumn<QStringList>("fieldsAndTexts");
        QTest::addColumn<QStringList>("expectedClients");
        QTest::newRow("anel finds Anello") << QStringList{u"txtDescrizione"_qs, u"anel"_qs}
                                           << QStringList{u"Rossi Mario"_qs};
        QTest::newRow("è does not find È") << QStringList{u"txtDescrizione"_qs, u"è"_qs} << QStringList{};
        QTest::newRow("two criteria must both match")
            << QStringList{u"txtCliente"_qs, u"ROSSI"_qs, u"txtNatura"_qs, u"oro"_qs}
            << QStringList{u"Rossi Mario"_qs};
        QTest::newRow("trailing blank kept") << QStringList{u"txtNatura"_qs, u"oro "_qs}
                                             << QStringList{u"Rossi Mario"_qs};
        QTest::newRow("blank criterion takes no part")
            << QStringList{u"txtNumScheda"_qs, u"   "_qs, u"txtCliente"_qs, u"rossi"_qs}
            << QStringList{u"Rossi Anna"_qs, u"Rossi Mario"_qs};
    }
    void criteria()
    {
        QFETCH(QStringList, fieldsAndTexts);
        QFETCH(QStringList, expectedClients);
        TempDataDir dir;
        writeRegister(dir, {card(u"Oro giallo"_qs, u"Anello con brillante"_qs, u"Rossi Mario"_qs),
                            card(u"Argento"_qs, u"ÈLITE bracciale"_qs, u"Rossi Anna"_qs),
                            card(u"Oro"_qs, u"Spilla"_qs, u"Verdi Carla"_qs)});
        QList<QPair<QString, QString>> typed;
        for (int i = 0; i + 1 < fieldsAndTexts.size(); i += 2)
            typed.append({fieldsAndTexts[i], fieldsAndTexts[i + 1]});
        auto dialog = search(typed);
        QStringList clients;
        for (const QString &line : dialog->list()->lines())
            clients.append(line.section(u"Cliente: "_qs, 1).section(u"  "_qs, 0, 0));
        clients.sort();
        QCOMPARE(clients, expectedClients);
    }

    void countTextHasNoSingular()
    {
        TempDataDir dir;
        writeRegister(dir, {card(u"Oro"_qs, u"Anello"_qs, u"Rossi"_qs)});
        auto dialog = search({{u"txtNatura"_qs, u"oro"_qs}});
        QCOMPARE(label(dialog.get(), "lblTrovate"), u"Il presente riepilogo contiene 1 schede."_qs);
        QCOMPARE(label(dialog.get(), "lblConta"), u"1"_qs);
    }

    void identicalLinesLoadTheirOwnCards()
    {
        TempDataDir dir;
        RegisterRecord first = card(u"Oro"_qs, u"Anello"_qs, u"Rossi"_qs, u"10,00"_qs);
        RegisterRecord later = first;
        first.NumScheda = u"1"_qs;
        later.NumScheda = u"3"_qs;
        writeRegister(dir, {first, card(u"Argento"_qs, u"Spilla"_qs, u"Verdi"_qs), later});
        RegisterStandIn registerWindow;
        AppWindows::add(&registerWindow);
        auto dialog = search({});
        QCOMPARE(dialog->list()->lines().size(), 3);
        QCOMPARE(dialog->list()->lines()[1], dialog->list()->lines()[2]);
        dialog->list()->setSelectedIndex(1);
        dialog->lstRecordsDblClick();
        QVERIFY(!dialog->isVisible());
        auto again = search({});
        again->list()->setSelectedIndex(2);
        again->lstRecordsDblClick();
        QCOMPARE(registerWindow.loaded, (QList<int>{0, 2}));
    }

    void doubleClickWithoutSelectionLoadsNothing()
    {
        TempDataDir dir;
        writeRegister(dir, {card(u"Oro"_qs, u"Anello"_qs)});
        RegisterStandIn registerWindow;
        AppWindows::add(&registerWindow);
        auto dialog = search({});
        dialog->lstRecordsDblClick();
        QVERIFY(registerWindow.loaded.isEmpty());
        QVERIFY(!dialog->isVisible());
    }

    void receiptLineGetsDescriptionAndPrice()
    {
        TempDataDir dir;
        RegisterRecord r = card(u"Oro"_qs, u"Anello con rubino"_qs, u"Rossi"_qs);
        r.PrezzoVen = u"250,00"_qs;
        writeRegister(dir, {r});
        ReceiptStandIn receipt;
        AppWindows::add(&receipt);
        auto dialog = search({}, u"ric_art_05"_qs);
        dialog->list()->setSelectedIndex(0);
        dialog->lstRecordsDblClick();
        QCOMPARE(TestSupport::text(&receipt, u"txtDesc05"_qs), u"Anello con rubino"_qs);
        QCOMPARE(TestSupport::text(&receipt, u"txtPrezzo05"_qs), u"250,00"_qs);
        int filled = 0;
        for (QLineEdit *e : receipt.findChildren<QLineEdit *>())
            filled += e->text().isEmpty() ? 0 : 1;
        QCOMPARE(filled, 2);
    }

    void receiptTokens_data()
    {
        QTest::addColumn<QString>("token");
        QTest::addColumn<int>("line");
        QTest::newRow("first") << "ric_art_01" << 1;
        QTest::newRow("last") << "ric_art_30" << 30;
        QTest::newRow("beyond the receipt") << "ric_art_31" << 0;
        QTest::newRow("zero") << "ric_art_00" << 0;
        QTest::newRow("one digit") << "ric_art_5" << 0;
        QTest::newRow("other caller") << "clienti" << 0;
    }
    void receiptTokens()
    {
        QFETCH(QString, token);
        QFETCH(int, line);
        QCOMPARE(TfrmTrovaRegistro::receiptLine(token).value_or(0), line);
    }

    void unreadableRegisterKeepsTheCriteria()
    {
        TempDataDir dir;
        QDir().mkpath(DataFolder::file(FileNames::registerArchive()));  // a folder where the file should be
        MessageRecorder messages;
        auto dialog = search({{u"txtNatura"_qs, u"oro"_qs}});
        QCOMPARE(messages.entries().size(), 1);
        QCOMPARE(messages.last().kind, MessageKind::Plain);
        QCOMPARE(messages.last().text, ArchiveTexts::ioFailure());
        QVERIFY(dialog->findChild<QWidget *>(u"panAvvio"_qs)->isVisible());
        QVERIFY(!dialog->findChild<QWidget *>(u"lblAttendere"_qs)->isVisible());
    }

    void findInEmptyResultShowsPlainMessage()
    {
        TempDataDir dir;
        MessageRecorder messages;
        auto dialog = search({});
        TestSupport::click(dialog.get(), u"btnTrova"_qs);
        QCOMPARE(messages.last().kind, MessageKind::Plain);
        QCOMPARE(messages.last().text, u"Ricerca non applicabile: la lista non contiene nessuna voce."_qs);
    }

    void openedByNameWithItsToken()
    {
        TempDataDir dir;
        RegisterSearchModule::registerDialogs();
        ModalScript script;
        QString token;
        script.then([&token](QDialog *d) {
            token = Controls::token(d);
            return int(QDialog::Rejected);
        });
        Dialogs::openWithToken(u"TfrmTrovaRegistro"_qs, nullptr, u"ric_art_07"_qs);
        QCOMPARE(script.seen(), QStringList{u"TfrmTrovaRegistro"_qs});
        QCOMPARE(token, u"ric_art_07"_qs);
    }
};

QTEST_MAIN(TestRegisterSearch)
#include "tst_registersearch.moc"

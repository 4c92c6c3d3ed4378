#include "RegisterFixture.h"
#include "ui/AppWindows.h"
#include "ui/Controls.h"
#include "storage/ArchiveTexts.h"
#include "summaries/Inventory.h"
#include "summaries/InventoryChooser.h"
#include "summaries/UnsoldList.h"

#include <QLineEdit>
#include <QListView>
#include <QTest>

namespace {

QString text(const QWidget *w, const char *name, TestSupport::Where at = TestSupport::Where::current())
{
    return TestSupport::text(w, QLatin1StringView(name), at);
}

RegisterRecord unsold(const QString &natura, const QString &descrizione, const QString &valutazione,
                      const QString &prezzo, const QString &venduto = QStringLiteral("No"))
{
    RegisterRecord r = card(natura, descrizione, u"Rossi"_qs, u"10,00"_qs, venduto);
    r.Valutazione = valutazione;
    r.PrezzoVen = prezzo;
    return r;
}

// What the inventory showed while it was open from the chooser.
struct Shown
{
    QStringList lines;
    QString title, count, total;
    bool waitingVisible = false;
};

Shown openInventory(TfrmMenuRiepilogo &chooser, const QString &filter)
{
    TestSupport::setText(&chooser, u"txtTipologia"_qs, filter);
    Shown shown;
    ModalScript script;
    script.then([&](QDialog *d) {
        d->show();  // the inventory fills when it is shown
        auto *inventory = qobject_cast<TfrmRiepilogo *>(d);
        shown = {inventory->list()->lines(), text(d, "titTipologia"), text(d, "panInfo"), text(d, "lblTotale"),
                 !chooser.findChild<QWidget *>(u"lblAttendere"_qs)->isHidden()};
        return int(QDialog::Rejected);
    });
    chooser.btnVisualizzaClick();
    return shown;
}

} // namespace

class TestInventory : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { AppWindows::clear(); }

    void unsoldListShowsOnlyCardsInStock()
    {
        TempDataDir dir;
        writeRegister(dir, {unsold(QString(35, u'N'), u"Spilla"_qs, u"buona"_qs, u"123456789,99"_qs),
                            unsold(u"Argento"_qs, u"Venduto"_qs, u"x"_qs, u"1,00"_qs, u"Sì"_qs),
                            unsold(u"Argento"_qs, u"Senza flag"_qs, u"x"_qs, u"1,00"_qs, u""_qs),
                            unsold(u"Argento"_qs, u"Anello"_qs, u"ottima"_qs, u"80,00"_qs)});
        TfrmDaVendere dialog;
        dialog.show();
        const QStringList lines = dialog.list()->lines();
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], ResultLines::fit(u"Argento", 30) + u"  -  " + ResultLines::fit(u"Anello", 50)
                               + u"  Valutazione: " + ResultLines::fit(u"ottima", 32) + u"  Prezzo: € 80,00");
        QVERIFY(lines[1].startsWith(QString(30, u'N') + u"  -  Spilla"));
        QVERIFY(lines[1].endsWith(u"  Prezzo: € 123456789,99"));
    }

    void unsoldDoubleClickLoadsTheCardOfItsLine()
    {
        // Equal lines each open their own card, never the sold card that
        // reads the same; a sorted list keeps every line with its card.
        TempDataDir dir;
        writeRegister(dir, {unsold(u"Oro"_qs, u"Anello"_qs, u"buona"_qs, u"90,00"_qs),
                            unsold(u"Oro"_qs, u"Collana"_qs, u"buona"_qs, u"90,00"_qs),
                            unsold(u"Oro"_qs, u"Anello"_qs, u"buona"_qs, u"90,00"_qs, u"Sì"_qs),
                            unsold(u"Oro"_qs, u"Anello"_qs, u"buona"_qs, u"90,00"_qs)});
        RegisterStandIn registerWindow;
        AppWindows::add(&registerWindow);
        for (int row : {0, 1, 2}) {
            TfrmDaVendere dialog;
            dialog.show();
            QCOMPARE(dialog.list()->lines().size(), 3);
            QVERIFY(dialog.list()->lines()[2].contains(u"Collana"));
            QListView *view = dialog.list()->view();
            const QRect rect = view->visualRect(view->model()->index(row, 0));
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
            QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, rect.center());
            QVERIFY(!dialog.isVisible());
            QCOMPARE(dialog.list()->count(), 0);  // closing empties the list
        }
        QCOMPARE(registerWindow.loaded, (QList<int>{0, 3, 1}));
    }

    void unreadableRegisterIsReported()
    {
        TempDataDir dir;
        QDir().mkpath(DataFolder::file(FileNames::registerArchive()));
        MessageRecorder messages;
        TfrmDaVendere dialog;
        dialog.show();
        QCOMPARE(messages.last().kind, MessageKind::Error);
        QCOMPARE(messages.last().text, ArchiveTexts::ioFailure());
    }

    void inventoryFilter_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("total");
        QTest::newRow("blank filter: every card in stock")
            << "   " << 3 << "Tutti gli oggetti disponibili." << "€ 150,75";
        QTest::newRow("filter ignores the case of A-Z, keeps its blanks") << " argento" << 1 << "argento" << "€ 50,50";
        QTest::newRow("filter as typed") << "argento" << 2 << "argento" << "€ 150,50";
        QTest::newRow("nothing matches") << "platino 950" << 0 << "platino 950" << "€ 0,00";
    }
    void inventoryFilter()
    {
        QFETCH(QString, filter);
        QFETCH(int, lines);
        QFETCH(QString, title);
        QFETCH(QString, total);
        TempDataDir dir;
        writeRegister(dir, {card(u"Argento 925"_qs, u"Bracciale"_qs, u"Rossi"_qs, u"100,00"_qs),
                            card(u"anello in ARGENTO "_qs, u"Anello"_qs, u"Verdi"_qs, u"50,5"_qs),
                            card(u"Platino"_qs, u"Spilla"_qs, u"Bianchi"_qs, u"0,25"_qs),
                            card(u"Argento"_qs, u"Venduta"_qs, u"Neri"_qs, u"999,00"_qs, u"Sì"_qs),
                            card(u"Argento"_qs, u"Senza flag"_qs, u"Neri"_qs, u"999,00"_qs, u""_qs)});
        TfrmMenuRiepilogo chooser;
        const Shown shown = openInventory(chooser, filter);
        QCOMPARE(shown.lines.size(), lines);
        QCOMPARE(shown.title, title);
        QCOMPARE(shown.total, total);
        QCOMPARE(shown.count, TfrmRiepilogo::countText(lines));
        QVERIFY(shown.waitingVisible);
        QVERIFY(chooser.findChild<QWidget *>(u"lblAttendere"_qs)->isHidden());
    }

    void inventoryLineAndOrder()
    {
        TempDataDir dir;
        writeRegister(dir, {card(u"Oro"_qs, u"Collana"_qs, u"Rossi Mario"_qs, u"100,00"_qs),
                            card(u"argento"_qs, u"Anello"_qs, u"Verdi Anna"_qs, u"5,00"_qs)});
        TfrmMenuRiepilogo chooser;
        const Shown shown = openInventory(chooser, {});
        QCOMPARE(shown.lines, (QStringList{
            ResultLines::fit(u"argento", 30) + u"  " + ResultLines::fit(u"Anello", 50) + u"  Data: 15/06/2025"
                + u"  Cliente: " + ResultLines::fit(u"Verdi Anna", 30) + u"  € 5,00",
            ResultLines::fit(u"Oro", 30) + u"  " + ResultLines::fit(u"Collana", 50) + u"  Data: 15/06/2025"
                + u"  Cliente: " + ResultLines::fit(u"Rossi Mario", 30) + u"  € 100,00"}));
        QCOMPARE(shown.count, u"Il presente inventario contiene 2 oggetti preziosi."_qs);
    }

    void emptyRegisterGivesZero()
    {
        TempDataDir dir;
        TfrmMenuRiepilogo chooser;
        const Shown shown = openInventory(chooser, {});
        QVERIFY(shown.lines.isEmpty());
        QCOMPARE(shown.total, u"€ 0,00"_qs);
        QCOMPARE(shown.count, u"Il presente inventario contiene 0 oggetti preziosi."_qs);
        QVERIFY(QFile::exists(DataFolder::file(FileNames::registerArchive())));
    }

    void unreadableAmountStopsAndSaysSo()
    {
        TempDataDir dir;
        RegisterRecord bad = card(u"Oro"_qs, u"Guasta"_qs, u"Rossi"_qs, u"12,5x"_qs);
        bad.NumScheda = u"7"_qs;
        writeRegister(dir, {card(u"Oro"_qs, u"Prima"_qs, u"Rossi"_qs, u"10,25"_qs), bad,
                            card(u"Oro"_qs, u"Dopo"_qs, u"Rossi"_qs, u"1,00"_qs)});
        MessageRecorder messages;
        TfrmMenuRiepilogo chooser;
        const Shown shown = openInventory(chooser, {});
        QCOMPARE(shown.lines.size(), 1);
        QCOMPARE(shown.total, u"10,25"_qs);  // the running total, not formatted
        QCOMPARE(shown.count, TfrmRiepilogo::countText(0));
        QCOMPARE(messages.last().kind, MessageKind::Error);
        QVERIFY(messages.last().text.startsWith(u"Attenzione: la scheda n. 7 contiene un importo non valido"_qs));
    }

    void findUsesInformationBox()
    {
        TempDataDir dir;
        MessageRecorder messages;
        TfrmMenuRiepilogo chooser;
        ModalScript script;
        script.then([](QDialog *d) {
            d->show();
            TestSupport::click(d, u"btnTrova"_qs);
            return int(QDialog::Rejected);
        });
        chooser.btnVisualizzaClick();
        QCOMPARE(messages.last().kind, MessageKind::Information);
        QCOMPARE(messages.last().text, u"Ricerca non applicabile: la lista non contiene nessuna voce."_qs);
    }

    void chooserStartsEmptyOnEveryShow()
    {
        TfrmMenuRiepilogo chooser;
        TestSupport::setText(&chooser, u"txtTipologia"_qs, u"oro"_qs);
        chooser.show();
        QCOMPARE(text(&chooser, "txtTipologia"), QString());
        QVERIFY(chooser.findChild<QWidget *>(u"lblAttendere"_qs)->isHidden());
    }
};

QTEST_MAIN(TestInventory)
#include "tst_inventory.moc"

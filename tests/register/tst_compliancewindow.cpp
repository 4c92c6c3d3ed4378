// The compliance strip and the "Verifica conformità" list, driven through
// the real register window.
#include "Archives.h"
#include "RegisterFixture.h"
#include "register/ComplianceStrip.h"
#include "register/compliancelist/ComplianceList.h"
#include "register/compliancelist/ComplianceListModule.h"

#include <QListView>
#include <QPushButton>

namespace {

QByteArray card(const QString &number, const QString &customer, const QString &amount, const QString &means)
{
    RegisterRecord r;
    r.NumScheda = number;
    r.Data = QStringLiteral("10/03/2025");
    r.Ora = QStringLiteral("10:30");
    r.Cliente = customer;
    r.Importo = amount;
    r.Mezzo = means;
    return RegisterRecordLayout::encode(r);
}

} // namespace

class TestComplianceWindow : public QObject
{
    Q_OBJECT

private slots:
    void stripFollowsTheCardAndLeadsToItsField()
    {
        RegisterFixture f;
        f.click(QStringLiteral("cmdNuovo"));
        auto *strip = f.window->findChild<ComplianceStrip *>(QStringLiteral("panConformita"));
        QVERIFY(strip);
        const auto hasCash = [&] { return strip->texts().join(u'\n').contains(u"Pagamento in contanti di 500,00 €"); };
        QVERIFY(strip->texts().join(u'\n').contains(u"Dati del cliente incompleti"));
        QVERIFY(!hasCash());

        f.set(QStringLiteral("txtMezzo"), QStringLiteral("contanti"));
        f.field(QStringLiteral("txtImporto"))->clear();
        TestSupport::typeInto(f.field(QStringLiteral("txtImporto")), QStringLiteral("500,00"));
        QVERIFY(hasCash());
        f.field(QStringLiteral("txtImporto"))->clear();
        TestSupport::typeInto(f.field(QStringLiteral("txtImporto")), QStringLiteral("499,99"));
        QVERIFY(!hasCash());

        // A finding is a button that takes the user to the field at fault.
        QPushButton *customer = nullptr;
        for (QPushButton *line : strip->findChildren<QPushButton *>(QStringLiteral("btnSegnalazione")))
            if (line->property("code").toString() == u"DATI_CLIENTE")
                customer = line;
        QVERIFY(customer);
        f.field(QStringLiteral("txtDescrizione"))->setFocus();
        QTest::mouseClick(customer, Qt::LeftButton);
        QCOMPARE(f.focused(), QStringLiteral("txtCliente"));

        // The strip only informs: the card still saves.
        f.fillRequired(QStringLiteral("7"));
        f.messages.clear();
        f.click(QStringLiteral("cmdSalva"));
        QCOMPARE(f.count(), 1);
    }

    void listOpensTheCardOfEachFinding()
    {
        RegisterFixture f;
        ComplianceListModule::registerDialogs();
        QVERIFY(Archives::writeFile(f.archive(),
                                    card(QStringLiteral("1"), QStringLiteral("ROSSI MARIO"), QStringLiteral("100,00"),
                                         QStringLiteral("Bonifico"))
                                        + card(QStringLiteral("2"), QStringLiteral("BIANCHI LUCA"),
                                               QStringLiteral("900,00"), QStringLiteral("Contanti"))
                                        + card(QStringLiteral("3"), QStringLiteral("VERDI ANNA"),
                                               QStringLiteral("100,00"), QStringLiteral("Bonifico"))));
        ModalScript script;
        QString title;
        int cashLine = -1;
        script.then([&](QDialog *period) {
            TestSupport::click(period, QStringLiteral("btnVerifica"));
            return period->result();
        });
        script.then([&](QDialog *d) {
            auto *list = qobject_cast<TfrmConformita *>(d);
            if (!list)
                return 0;
            d->show();  // the runner hands over the dialog before it is shown
            title = d->windowTitle();
            const QStringList lines = list->list()->lines();
            for (int i = 0; i < lines.size(); ++i)
                if (lines[i].contains(u"CONTANTI_500"))
                    cashLine = i;
            if (cashLine < 0)
                return 0;
            QListView *view = list->list()->view();
            const QRect rect = view->visualRect(view->model()->index(cashLine, 0));
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
            QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, rect.center());
            return d->result();
        });
        f.click(QStringLiteral("cmdConformita"));
        QCOMPARE(script.seen(), (QStringList{QStringLiteral("TfrmVerificaConformita"), QStringLiteral("TfrmConformita")}));
        QVERIFY2(cashLine >= 0, "no cash finding listed");
        QVERIFY(title.contains(u"segnalazioni"));
        QCOMPARE(f.text(QStringLiteral("lblPosizione")), QStringLiteral("2"));
        QCOMPARE(f.text(QStringLiteral("txtCliente")), QStringLiteral("BIANCHI LUCA"));
    }
};

QTEST_MAIN(TestComplianceWindow)
#include "tst_compliancewindow.moc"

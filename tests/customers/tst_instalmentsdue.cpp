#include "CustomerFixture.h"
#include "TestSupport.h"
#include "ui/AppWindows.h"
#include "ui/Controls.h"
#include "customers/CustomerWindow.h"
#include "customers/InstalmentsDue.h"
#include "resultlist/ResultList.h"

#include <QTest>

using namespace CustomerFixture;

namespace {
CustomerRecord dueCard(const QString &surname, const QString &due, const QString &notice)
{
    CustomerRecord c = card(surname, QStringLiteral("X"));
    c.Scadenza = due;
    c.Preavviso = notice;
    return c;
}
} // namespace

class InstalmentsDueTest : public QObject
{
    Q_OBJECT

private slots:
    // Today is 10/03/2025. Unreadable cards are skipped and the rest of the
    // file is still examined; the list is ordered by name, not by date.
    void dueRule()
    {
        TempDataDir data(QDateTime(QDate(2025, 3, 10), QTime(9, 0)));
        write({dueCard(QStringLiteral("Zeta"), QStringLiteral("15/03/2025"), QStringLiteral("5")),
               dueCard(QStringLiteral("Beta"), QStringLiteral("16/03/2025"), QStringLiteral("5")),
               dueCard(QStringLiteral("Bad date"), QStringLiteral("31/02/2025"), QStringLiteral("0")),
               dueCard(QStringLiteral("Bad notice"), QStringLiteral("01/01/2025"), QStringLiteral("x")),
               dueCard(QStringLiteral("Alfa"), QStringLiteral("01/01/2025"), QStringLiteral("0")),
               dueCard(QStringLiteral("Today"), QStringLiteral("10/03/2025"), QStringLiteral("0")),
               dueCard(QStringLiteral("Far"), QStringLiteral("04/12/2027"), QStringLiteral("999")),
               dueCard(QStringLiteral("Too far"), QStringLiteral("05/12/2027"), QStringLiteral("999"))});
        TfrmDaRinnovare dialog;
        dialog.show();
        QStringList names;
        for (const QString &line : dialog.list()->lines())
            names.append(line.left(30).trimmed());
        QCOMPARE(names, (QStringList{QStringLiteral("Alfa X"), QStringLiteral("Far X"), QStringLiteral("Today X"),
                                     QStringLiteral("Zeta X")}));
    }

    void lineAndDoubleClick()
    {
        TempDataDir data;
        CustomerRecord c = card(QStringLiteral("Dellavalle Brambilla"), QStringLiteral("Giovanbattista"));
        c.Recapito = QStringLiteral("347 5512098 int. 2");
        c.Scadenza = QStringLiteral("01/06/2025");
        c.Rata = QStringLiteral("1250,50");
        c.Acquisto = QStringLiteral(" Collana in oro ");
        CustomerRecord other = c;
        other.Acquisto = QStringLiteral("Anello");
        write({c, other});
        QCOMPARE(TfrmDaRinnovare::lineOf(CustomerRecordLayout::encode(c).constData()),
                 QStringLiteral("Dellavalle Brambilla Giovanbat  Tel. 347 5512098   Scad. 01/06/2025  "
                                "Rata: € 1250,50          Causale: Collana in oro"));

        TfrmAnagrafica window;
        AppWindows::add(&window);
        TfrmDaRinnovare dialog;
        dialog.show();
        QCOMPARE(dialog.list()->count(), 2);
        dialog.list()->setSelectedIndex(dialog.list()->lines().indexOf(TfrmDaRinnovare::lineOf(
            CustomerRecordLayout::encode(c).constData())));
        dialog.lstRecordsDblClick();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(TestSupport::text(&window, QStringLiteral("lblPosizione")), QStringLiteral("1"));
        QCOMPARE(TestSupport::text(&window, QStringLiteral("txtAcquisto")), QStringLiteral("Collana in oro"));
        AppWindows::clear();
    }
};

QTEST_MAIN(InstalmentsDueTest)
#include "tst_instalmentsdue.moc"

#include "Archives.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "register/RegisterRecord.h"
#include "storage/DataFolder.h"
#include "summaries/PayoutChooser.h"
#include "summaries/PayoutSummary.h"
#include "resultlist/ResultList.h"
#include "resultlist/ListPrinting.h"
#include "TestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
void writeRegister(const QList<QStringList> &cards)  // date, amount, nature, fiscal code
{
    QList<RegisterRecord> records;
    for (const QStringList &c : cards) {
        RegisterRecord r;
        r.Data = c[0];
        r.Importo = c[1];
        r.Natura = c[2];
        r.CodFisc = c[3];
        r.Cliente = QStringLiteral("Cliente %1").arg(c[1]);
        records.append(r);
    }
    QVERIFY(Archives::writeRegister(records));
}

struct Chooser
{
    TfrmMenuRiepCosti window;
    Chooser()
    {
        window.show();
        QApplication::setActiveWindow(&window);
    }
    template <class T = QWidget>
    T *get(const char *name) { return window.findChild<T *>(QLatin1StringView(name)); }
    void pick(const char *name, const QString &item)
    {
        auto *c = get<QComboBox>(name);
        c->setCurrentIndex(c->findText(item));
    }
    void interval(const QString &d1, const QString &m1, const QString &d2, const QString &m2)
    {
        pick("txtGiornoInizio", d1);
        pick("txtMeseInizio", m1);
        pick("txtGiornoFine", d2);
        pick("txtMeseFine", m2);
    }
    // Presses "Visualizza riepilogo" as a user does: mouse down, then click.
    void visualizza()
    {
        auto *b = get<QPushButton>("btnVisualizza");
        QTest::mousePress(b, Qt::LeftButton);
        QTest::mouseRelease(b, Qt::LeftButton);
    }
};

// What the summary showed while it was open.
struct Shown
{
    QStringList lines;
    QString total, filters, interval, count;
    bool waiting = false;
};

ModalScript::Step inspect(Shown &shown, const std::function<void(QDialog *)> &act = {})
{
    return [&shown, act](QDialog *d) {
        d->show();
        shown.lines = d->findChild<ResultList *>()->lines();
        shown.total = TestSupport::text(d, QStringLiteral("lblTotCosti"));
        shown.filters = TestSupport::text(d, QStringLiteral("titTipologia"));
        shown.interval = TestSupport::text(d, QStringLiteral("lblIntervallo"));
        shown.count = TestSupport::text(d, QStringLiteral("lblConta"));
        shown.waiting = Controls::child(d->parentWidget(), QStringLiteral("lblAttendere"))->isVisible();
        if (act)
            act(d);
        d->reject();
        return int(QDialog::Rejected);
    };
}
} // namespace

class TestPayouts : public QObject
{
    Q_OBJECT
private slots:
    void showResetsAndYearLabelsFollow();
    void dropDownsAcceptOnlyPicks();
    void failedCheckHidesTheWaitingLabel();
    void summaryOfTheYearAndOfOneNature();
    void printingAnEmptySummaryWarns();
    void printingAsksFirst();
    void customerImportUsesItsToken();
};

void TestPayouts::showResetsAndYearLabelsFollow()
{
    TempDataDir dir;
    Chooser c;
    QCOMPARE(c.get<QLineEdit>("txtAnno")->text(), u"2025"_qs);
    QCOMPARE(TestSupport::text(&c.window, u"lblAnnoInizio"_qs), u"2025"_qs);
    QCOMPARE(c.get<QComboBox>("txtMeseInizio")->currentText(), QString());
    QCOMPARE(c.get<QComboBox>("txtGiornoFine")->count(), 31);

    auto *year = c.get<QLineEdit>("txtAnno");
    year->clear();
    TestSupport::typeInto(year, u"20x2"_qs);
    QCOMPARE(year->text(), u"202"_qs);
    QCOMPARE(TestSupport::text(&c.window, u"lblAnnoFine"_qs), u"202"_qs);

    c.get<QLineEdit>("txtEsecutore")->setText(u"anello"_qs);
    c.pick("txtMeseFine", u"Marzo"_qs);
    c.window.hide();
    c.window.show();
    QVERIFY(c.get<QLineEdit>("txtEsecutore")->text().isEmpty());
    QVERIFY(c.get<QComboBox>("txtMeseFine")->currentText().isEmpty());
    QCOMPARE(TestSupport::text(&c.window, u"lblAnnoInizio"_qs), u"2025"_qs);
}

void TestPayouts::dropDownsAcceptOnlyPicks()
{
    TempDataDir dir;
    Chooser c;
    auto *day = c.get<QComboBox>("txtGiornoInizio");
    auto *month = c.get<QComboBox>("txtMeseInizio");
    TestSupport::typeInto(day, u"12"_qs);
    QCOMPARE(day->currentText(), QString());
    QTest::keyClick(day, Qt::Key_Down);
    QCOMPARE(day->currentText(), u"01"_qs);
    QTest::keyClick(day, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), month);

    // A text that is not an entry does not survive leaving the field.
    month->setEditText(u"Marzolino"_qs);
    c.get<QLineEdit>("txtCCP")->setFocus();
    QCOMPARE(month->currentText(), QString());
    month->setFocus();
    month->setEditText(u"marzo"_qs);  // a month name in any case may stay
    day->setFocus();
    QCOMPARE(month->currentText().toLower(), u"marzo"_qs);
}

void TestPayouts::failedCheckHidesTheWaitingLabel()
{
    TempDataDir dir;
    MessageRecorder messages;
    ModalScript modal;
    Chooser c;
    c.get<QLineEdit>("txtAnno")->setText(u"202"_qs);
    c.interval(u"01"_qs, u"Gennaio"_qs, u"31"_qs, u"Dicembre"_qs);
    c.visualizza();
    QCOMPARE(messages.last().kind, MessageKind::Warning);
    QCOMPARE(messages.last().text, u"Attenzione: indicare l'anno solare utilizzando quattro cifre."_qs);
    QVERIFY(!c.get("lblAttendere")->isVisible());
    QCOMPARE(QApplication::focusWidget(), c.get("txtAnno"));

    c.get<QLineEdit>("txtAnno")->setText(u"2024"_qs);
    c.interval(u"31"_qs, u"Aprile"_qs, u"31"_qs, u"Dicembre"_qs);
    c.visualizza();
    QCOMPARE(messages.last().kind, MessageKind::Plain);
    QVERIFY(messages.last().text.startsWith(u"Attenzione: la data 31/04/2024 di inizio intervallo non esiste.\n\r\n\r"_qs));
    QCOMPARE(TestSupport::text(&c.window, u"lblDataInizio"_qs), u"31/04/2024"_qs);
    QVERIFY(!c.get("lblAttendere")->isVisible());

    // End before start: both dates named; the focus stays on the pressed button.
    c.interval(u"02"_qs, u"Marzo"_qs, u"01"_qs, u"Marzo"_qs);
    c.visualizza();
    QVERIFY(messages.last().text.startsWith(
        u"Attenzione: la data di fine intervallo (01/03/2024) non può essere anteriore a quella di inizio intervallo (02/03/2024)."_qs));
    QCOMPARE(QApplication::focusWidget(), c.get("btnVisualizza"));
    QVERIFY(modal.seen().isEmpty());
}

void TestPayouts::summaryOfTheYearAndOfOneNature()
{
    TempDataDir dir;
    MessageRecorder messages;
    ModalScript modal;
    writeRegister({{u"01/01/2024"_qs, u"100,5"_qs, u"Anello oro"_qs, u"RSSMRA80A01H501U"_qs},
                   {u"31/12/2024"_qs, u"20,25"_qs, u"Bracciale"_qs, u"VRDLGU70B02F205Z"_qs},
                   {u"15/06/2024"_qs, u"500"_qs, u""_qs, u"RSSMRA80A01H501U"_qs},
                   {u"31/12/2023"_qs, u"7"_qs, u"Anello"_qs, u"RSSMRA80A01H501U"_qs},
                   {u"10/05/2024"_qs, u"30"_qs, u"ANELLO argento"_qs, u"VRDLGU70B02F205Z"_qs}});
    Chooser c;
    c.get<QLineEdit>("txtAnno")->setText(u"2024"_qs);
    c.interval(u"01"_qs, u"Gennaio"_qs, u"31"_qs, u"Dicembre"_qs);

    Shown whole;
    modal.then(inspect(whole));
    c.visualizza();
    QCOMPARE(modal.seen(), QStringList{u"TfrmRiepCosti"_qs});
    QVERIFY(messages.isEmpty());
    QCOMPARE(whole.lines.size(), 3);
    QVERIFY(whole.lines[0].startsWith(u"ANELLO argento"_qs));  // sorted, case apart
    QVERIFY(whole.lines[2].startsWith(u"Bracciale"_qs));
    QCOMPARE(whole.total, u"150,75"_qs);
    QCOMPARE(whole.interval, u"Dal   01/01/2024   al   31/12/2024"_qs);
    QCOMPARE(whole.count, u"0"_qs);
    QVERIFY(whole.waiting);
    QVERIFY(!c.get("lblAttendere")->isVisible());  // hidden again when the summary closed

    Shown rings;
    c.get<QLineEdit>("txtEsecutore")->setText(u"anello"_qs);
    c.get<QLineEdit>("txtCCP")->setText(u"RSS"_qs);
    modal.then(inspect(rings));
    c.visualizza();
    QCOMPARE(rings.lines.size(), 1);
    QCOMPARE(rings.total, u"100,50"_qs);
    QCOMPARE(rings.filters, u"Oggetto:  anello   -   C.F. cliente:  RSS"_qs);
    QCOMPARE(rings.count, u"2"_qs);
}

void TestPayouts::printingAnEmptySummaryWarns()
{
    TempDataDir dir;
    MessageRecorder messages;
    ModalScript modal;
    Chooser c;
    c.interval(u"01"_qs, u"Marzo"_qs, u"01"_qs, u"Marzo"_qs);
    Shown empty;
    modal.then(inspect(empty, [](QDialog *d) { TestSupport::click(d, u"btnStampa"_qs); }));
    c.visualizza();
    QVERIFY(empty.lines.isEmpty());
    QCOMPARE(empty.total, u"0,00"_qs);
    QCOMPARE(messages.texts(), QStringList{ListPrinting::emptyWarning()});
    QCOMPARE(messages.last().kind, MessageKind::Warning);
}

void TestPayouts::printingAsksFirst()
{
    TempDataDir dir;
    MessageRecorder messages;
    ModalScript modal;
    writeRegister({{u"15/06/2025"_qs, u"10"_qs, u"Anello"_qs, u"X"_qs}});
    Chooser c;
    c.interval(u"15"_qs, u"Giugno"_qs, u"15"_qs, u"Giugno"_qs);
    Shown one;
    messages.answerNext(false);
    modal.then(inspect(one, [](QDialog *d) { TestSupport::click(d, u"btnStampa"_qs); }));
    c.visualizza();
    QCOMPARE(one.lines.size(), 1);
    QCOMPARE(messages.texts(), QStringList{ListPrinting::question()});
    QCOMPARE(modal.seen(), QStringList{u"TfrmRiepCosti"_qs});  // No: no printer dialog
}

void TestPayouts::customerImportUsesItsToken()
{
    TempDataDir dir;
    ModalScript modal;
    Dialogs::add(u"TfrmTrovaClienti"_qs, [](QWidget *parent) {
        auto *d = new QDialog(parent);
        d->setObjectName(u"TfrmTrovaClienti"_qs);
        Controls::addMemoryLabel(d);
        return d;
    });
    Chooser c;
    QString token;
    modal.then([&](QDialog *d) {
        token = Controls::token(d);
        TestSupport::setText(d->parentWidget(), u"txtCCP"_qs, u"RSSMRA80A01H501U"_qs);
        return int(QDialog::Accepted);
    });
    TestSupport::click(&c.window, u"impCliente"_qs);
    QCOMPARE(token, u"menuriepcosti"_qs);
    QCOMPARE(c.get<QLineEdit>("txtCCP")->text(), u"RSSMRA80A01H501U"_qs);
}

QTEST_MAIN(TestPayouts)
#include "tst_payouts.moc"

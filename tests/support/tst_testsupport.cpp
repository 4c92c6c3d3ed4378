// The helpers that reach a control by name: they act on the control that is
// there, and fail the test, naming it, when it is not.
#include "TestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// A window with one button, one line edit and one label.
struct Window
{
    Window()
    {
        widget.setObjectName(QStringLiteral("frmProva"));
        button = new QPushButton(QStringLiteral("Salva"), &widget);
        button->setObjectName(QStringLiteral("cmdSalva"));
        QObject::connect(button, &QPushButton::clicked, [this] { ++clicks; });
        edit = new QLineEdit(&widget);
        edit->setObjectName(QStringLiteral("txtNome"));
        auto *label = new QLabel(QStringLiteral("Nome"), &widget);
        label->setObjectName(QStringLiteral("lblNome"));
    }
    QWidget widget;
    QPushButton *button;
    QLineEdit *edit;
    int clicks = 0;
};

using Use = std::function<void(QWidget *, const QString &)>;

} // namespace

Q_DECLARE_METATYPE(Use)

class TestTestSupport : public QObject
{
    Q_OBJECT
private slots:
    void presentControlsAreReached();
    void missingControlFailsTheTest_data();
    void missingControlFailsTheTest();
};

void TestTestSupport::presentControlsAreReached()
{
    Window w;
    TestSupport::click(&w.widget, QStringLiteral("cmdSalva"));
    QCOMPARE(w.clicks, 1);
    TestSupport::typeInto(&w.widget, QStringLiteral("txtNome"), QStringLiteral("Rossi Mario"));
    QCOMPARE(TestSupport::text(&w.widget, QStringLiteral("txtNome")), QStringLiteral("Rossi Mario"));
    TestSupport::setText(&w.widget, QStringLiteral("txtNome"), QStringLiteral("Bianchi"));
    QCOMPARE(w.edit->text(), QStringLiteral("Bianchi"));
    QCOMPARE(TestSupport::text(&w.widget, QStringLiteral("lblNome")), QStringLiteral("Nome"));
    QCOMPARE(TestSupport::control(&w.widget, QStringLiteral("cmdSalva")), w.button);
}

void TestTestSupport::missingControlFailsTheTest_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Use>("use");
    const Use click = [](QWidget *w, const QString &n) { TestSupport::click(w, n); };
    const Use text = [](QWidget *w, const QString &n) { TestSupport::text(w, n); };
    const Use setText = [](QWidget *w, const QString &n) { TestSupport::setText(w, n, QStringLiteral("x")); };
    const Use type = [](QWidget *w, const QString &n) { TestSupport::typeInto(w, n, QStringLiteral("x")); };
    const Use control = [](QWidget *w, const QString &n) { TestSupport::control(w, n); };
    QTest::newRow("click, no such control") << "cmdElimina" << click;
    QTest::newRow("click, not a button") << "txtNome" << click;
    QTest::newRow("text") << "txtCognome" << text;
    QTest::newRow("setText") << "txtCognome" << setText;
    QTest::newRow("typeInto") << "txtCognome" << type;
    QTest::newRow("control") << "txtCognome" << control;
    QTest::newRow("no window") << "" << Use([](QWidget *, const QString &) {
        TestSupport::click(nullptr, QStringLiteral("cmdSalva"));
    });
}

void TestTestSupport::missingControlFailsTheTest()
{
    QFETCH(QString, name);
    QFETCH(Use, use);
    Window w;
    // The helper's failure is the expected one; a helper that stays silent
    // passes unexpectedly, and that fails this test.
    QEXPECT_FAIL("", "the helper reports the missing control", Abort);
    use(&w.widget, name);
}

QTEST_MAIN(TestTestSupport)
#include "tst_testsupport.moc"

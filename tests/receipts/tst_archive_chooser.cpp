#include "TestSupport.h"
#include "ui/AppWindows.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "receipts/ArchiveChooser.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <memory>

namespace {

// The windows the chooser can lead to, as plain stand-ins with the labels it writes.
struct Fixture
{
    TempDataDir dir{QDateTime(QDate(2026, 1, 7), QTime(9, 0))};
    MessageRecorder messages;
    QWidget menu, receipts, statistics;
    TfrmMenuRicevute chooser;

    Fixture()
    {
        const QList<QPair<QWidget *, QString>> windows = {
            {&menu, AppWindows::mainMenu()},
            {&receipts, QStringLiteral("TfrmRicevute")},
            {&statistics, QStringLiteral("TfrmStatistiche")},
        };
        for (const auto &[w, name] : windows) {
            w->setObjectName(name);
            AppWindows::add(w);
        }
        AppWindows::add(&chooser);
        for (const char *label : {"lblFile", "lblAnno"})
            (new QLabel(&receipts))->setObjectName(QLatin1StringView(label));
        chooser.show();
    }
    ~Fixture() { AppWindows::clear(); }
    QLineEdit *year() { return chooser.findChild<QLineEdit *>(QStringLiteral("txtAnnoFatture")); }
};

} // namespace

class TestArchiveChooser : public QObject
{
    Q_OBJECT
private slots:
    void showPrefillsCurrentYear();
    void openArchive_data();
    void openArchive();
    void pastedYear_data();
    void pastedYear();
    void closeGoesWhereTokenSays_data();
    void closeGoesWhereTokenSays();
    void logoLinkOpensLogoWindow();
};

void TestArchiveChooser::showPrefillsCurrentYear()
{
    Fixture f;
    QCOMPARE(f.year()->text(), QStringLiteral("2026"));
    QCOMPARE(Controls::token(&f.chooser), QStringLiteral("avvio"));
    f.year()->clear();
    TestSupport::typeInto(f.year(), QStringLiteral("2x0-2 4,5"));
    QCOMPARE(f.year()->text(), QStringLiteral("2024"));
}

void TestArchiveChooser::openArchive_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("opened");
    QTest::newRow("current year") << "2026" << true;
    QTest::newRow("year zero") << "0000" << true;
    QTest::newRow("three digits") << "202" << false;
    QTest::newRow("empty") << "" << false;
    // Only a stored or programmatic text can hold these; none may name an archive.
    QTest::newRow("a letter") << "20a5" << false;
    QTest::newRow("a blank") << " 202" << false;
    QTest::newRow("a path") << "../x" << false;
}

void TestArchiveChooser::openArchive()
{
    QFETCH(QString, typed);
    QFETCH(bool, opened);
    Fixture f;
    f.year()->setText(typed);
    TestSupport::click(&f.chooser, QStringLiteral("btnApriFatture"));
    if (opened) {
        QVERIFY(f.messages.isEmpty());
        QCOMPARE(TestSupport::text(&f.receipts, QStringLiteral("lblFile")), f.dir.file(typed + QStringLiteral(".ric")));
        QCOMPARE(TestSupport::text(&f.receipts, QStringLiteral("lblAnno")), typed);
        QCOMPARE(f.receipts.windowTitle(), QStringLiteral(" Valtrena - Archivio ricevute anno ") + typed);
        QVERIFY(f.receipts.isVisible());
        QVERIFY(!f.chooser.isVisible());
        // Choosing a year touches no file.
        QVERIFY(!QFile::exists(f.dir.file(typed + QStringLiteral(".ric"))));
    } else {
        QCOMPARE(f.messages.texts(),
                 QStringList{QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.")});
        QCOMPARE(f.messages.last().kind, MessageKind::Warning);
        QCOMPARE(TestSupport::text(&f.receipts, QStringLiteral("lblFile")), QString());
        QVERIFY(f.chooser.isVisible());
        QVERIFY(!f.receipts.isVisible());
    }
}

void TestArchiveChooser::pastedYear_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("shown");
    QTest::newRow("digits kept") << "Anno 2025\r\n" << "2025";
    QTest::newRow("no digits") << "../" << "2026";
    QTest::newRow("too long, refused") << "20255" << "2026";
}

void TestArchiveChooser::pastedYear()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, shown);
    Fixture f;
    f.year()->setFocus();
    f.year()->selectAll();
    QGuiApplication::clipboard()->setText(clipboard);
    QTest::keyClick(f.year(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(f.year()->text(), shown);
}

void TestArchiveChooser::closeGoesWhereTokenSays_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("shown");
    QTest::newRow("exit") << "imgEsci" << "TfrmAvvio";
    QTest::newRow("archive") << "btnApriFatture" << "TfrmRicevute";
    QTest::newRow("statistics") << "btnApriRiepStats" << "TfrmStatistiche";
}

void TestArchiveChooser::closeGoesWhereTokenSays()
{
    QFETCH(QString, button);
    QFETCH(QString, shown);
    Fixture f;
    TestSupport::click(&f.chooser, button);
    QVERIFY(!f.chooser.isVisible());
    for (const QWidget *w : {&f.menu, &f.receipts, &f.statistics})
        QCOMPARE(w->isVisible(), w->objectName() == shown);

    // Showing the chooser again forgets where it went last time.
    f.chooser.show();
    QCOMPARE(Controls::token(&f.chooser), QStringLiteral("avvio"));
    f.chooser.close();
    QVERIFY(f.menu.isVisible());
}

void TestArchiveChooser::logoLinkOpensLogoWindow()
{
    Fixture f;
    Dialogs::add(QStringLiteral("TfrmLogo"), [](QWidget *parent) {
        auto *d = new QDialog(parent);
        d->setObjectName(QStringLiteral("TfrmLogo"));
        return d;
    });
    ModalScript modal;
    auto *link = f.chooser.findChild<QLabel *>(QStringLiteral("lnkWeb"));
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(modal.seen(), QStringList{QStringLiteral("TfrmLogo")});
}

QTEST_MAIN(TestArchiveChooser)
#include "tst_archive_chooser.moc"

#include "ui/Theme.h"

#include <QTest>

// Style sheets name colours and typefaces by token; a token that does not
// resolve would silently drop a rule, so every sheet is checked whole.
class TestTheme : public QObject
{
    Q_OBJECT
private slots:
    void tokensResolveToTheirValues_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("expected");
        QTest::newRow("house blue") << QStringLiteral("color:@houseBlue;") << QStringLiteral("color:#1F4E79;");
        QTest::newRow("two tokens in one rule")
            << QStringLiteral("#a{border:1px solid @cardBorder;color:@maroon;}")
            << QStringLiteral("#a{border:1px solid #9CB8CC;color:#800000;}");
        QTest::newRow("typeface quoted") << QStringLiteral("font:bold 9pt @statusFace;") << QStringLiteral("font:bold 9pt 'Tahoma';");
        QTest::newRow("token at the very end") << QStringLiteral("color:@grey") << QStringLiteral("color:#555555");
        QTest::newRow("no token kept as it is") << QStringLiteral("#panInfo{color:white;}") << QStringLiteral("#panInfo{color:white;}");
    }
    void tokensResolveToTheirValues()
    {
        QFETCH(QString, sheet);
        QFETCH(QString, expected);
        QCOMPARE(Theme::css(sheet), expected);
    }

    void namedColoursAgreeWithTheirHex()
    {
        QCOMPARE(Theme::colour(Theme::Colour::HouseBlue), QColor(0x1F, 0x4E, 0x79));
        QCOMPARE(Theme::hex(Theme::Colour::HouseBlue), QStringLiteral("#1F4E79"));
        QCOMPARE(Theme::colour(Theme::Colour::Charcoal), QColor(0x33, 0x33, 0x33));
    }

    void everySheetResolvesCompletely_data()
    {
        QTest::addColumn<int>("sheet");
        QTest::newRow("customers") << int(Theme::Sheet::Customers);
        QTest::newRow("receipts") << int(Theme::Sheet::Receipts);
        QTest::newRow("main menu") << int(Theme::Sheet::MainMenu);
        QTest::newRow("compliance strip") << int(Theme::Sheet::ComplianceStrip);
        QTest::newRow("photo zoom") << int(Theme::Sheet::PhotoZoom);
        QTest::newRow("check header") << int(Theme::Sheet::CheckHeader);
        QTest::newRow("attachments") << int(Theme::Sheet::Attachments);
        QTest::newRow("export grid") << int(Theme::Sheet::ExportGrid);
        QTest::newRow("export banner") << int(Theme::Sheet::ExportBanner);
        QTest::newRow("application") << int(Theme::Sheet::Application);
    }
    void everySheetResolvesCompletely()
    {
        QFETCH(int, sheet);
        const QString text = Theme::sheet(Theme::Sheet(sheet));
        QVERIFY(!text.isEmpty());
        QVERIFY2(!text.contains(u'@'), qPrintable(text));
        QCOMPARE(text.count(u'{'), text.count(u'}'));
    }
};

QTEST_GUILESS_MAIN(TestTheme)
#include "tst_theme.moc"

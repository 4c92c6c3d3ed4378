#include "Archives.h"
#include "Samples.h"
#include "TestSupport.h"
#include "app/Startup.h"
#include "customers/CustomerWindow.h"
#include "ui/AppWindows.h"
#include "ui/Controls.h"
#include "ui/Theme.h"
#include "storage/Clock.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QToolButton>

// The three main windows, filled with the sample data of the screenshots
// on the smallest supported screen: nothing is cut off, and they speak one
// visual language.
class WindowFitTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempDataDir> m_data;
    std::unique_ptr<MessageRecorder> m_messages;
    QList<QWidget *> m_windows;

    QWidget *filled(const QString &name, QSize screen = QSize(1366, 768))
    {
        QWidget *w = AppWindows::get(name);
        w->resize(screen);
        w->show();
        if (name == u"TfrmRegistro") {
            Samples::fillRegisterCard(w);
        } else if (name == u"TfrmAnagrafica") {
            Archives::writeCustomers({Samples::customer()});
            AppWindows::find<TfrmAnagrafica>()->loadRecord(0);
        } else {
            Samples::fillReceipt(w);
        }
        // A new size lays out in steps: the photos, then the card's columns.
        for (int settle = 0; settle < 3; ++settle)
            QTest::qWait(30);
        return w;
    }

    // The room a line edit gives its text: inside its frame and margins.
    static int textRoom(const QLineEdit *edit)
    {
        const int frame = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit) : 0;
        const QMargins margins = edit->textMargins();
        return edit->width() - 2 * frame - margins.left() - margins.right() - 2 * 2;
    }

    struct LookSample
    {
        QFont font;
        QColor ink;
        QColor fill;
    };
    static LookSample sample(QWidget *w)
    {
        w->ensurePolished();
        return {w->font(), w->palette().color(w->foregroundRole()), w->palette().color(QPalette::Window)};
    }
    // A panel title is a heading, or the text of a heading row with buttons.
    static QWidget *withLook(QWidget *window, const QString &look)
    {
        for (QWidget *w : window->findChildren<QWidget *>()) {
            const QString own = w->property("look").toString();
            if (own == look || (look == u"heading" && own == u"headingText"))
                return w;
        }
        return nullptr;
    }

private slots:
    void initTestCase()
    {
        m_data = std::make_unique<TempDataDir>();
        m_messages = std::make_unique<MessageRecorder>();
        Startup::setUpApplication();
        Clock::setFixed(QDateTime(QDate(2025, 6, 15), QTime(10, 30)));
        Samples::seedIssuer();
        m_windows = Startup::createAreaWindows();
    }
    void cleanupTestCase() { qDeleteAll(m_windows); }

    void noTextCutOff_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QSize>("screen");
        QTest::newRow("register") << QStringLiteral("TfrmRegistro") << QSize(1366, 768);
        QTest::newRow("customers") << QStringLiteral("TfrmAnagrafica") << QSize(1366, 768);
        QTest::newRow("receipts") << QStringLiteral("TfrmRicevute") << QSize(1366, 768);
        QTest::newRow("register in two columns") << QStringLiteral("TfrmRegistro") << QSize(1920, 1080);
    }
    void noTextCutOff()
    {
        QFETCH(QString, window);
        QFETCH(QSize, screen);
        QWidget *w = filled(window, screen);
        int checked = 0;
        for (QLineEdit *edit : w->findChildren<QLineEdit *>()) {
            if (!edit->isVisibleTo(w) || edit->text().isEmpty())
                continue;
            ++checked;
            const int width = edit->fontMetrics().horizontalAdvance(edit->text());
            QVERIFY2(width <= textRoom(edit),
                     qPrintable(QStringLiteral("%1: \"%2\" needs %3 px, has %4")
                                    .arg(edit->objectName(), edit->text()).arg(width).arg(textRoom(edit))));
        }
        QVERIFY2(checked >= 10, "the sample data fill the window");
        for (QLabel *label : w->findChildren<QLabel *>()) {
            if (!label->isVisibleTo(w) || label->wordWrap() || label->text().isEmpty() || label->textFormat() == Qt::RichText)
                continue;
            const int width = label->fontMetrics().horizontalAdvance(label->text());
            QVERIFY2(width <= label->contentsRect().width(),
                     qPrintable(QStringLiteral("%1: \"%2\" needs %3 px, has %4")
                                    .arg(label->objectName(), label->text()).arg(width).arg(label->contentsRect().width())));
        }
        // The register card fits without scrolling, in one column on the
        // small screen and in two on the large one.
        if (auto *card = w->findChild<QScrollArea *>(QStringLiteral("scrScheda"))) {
            QVERIFY(!card->verticalScrollBar()->isVisible());
            QList<int> headingColumns;
            for (QLabel *heading : card->findChildren<QLabel *>(QStringLiteral("lblSezione")))
                if (!headingColumns.contains(heading->x()))
                    headingColumns.append(heading->x());
            QCOMPARE(headingColumns.size(), screen.width() > 1600 ? 2 : 1);
        }
        w->hide();
    }

    void theMainWindowsShareOneLook_data()
    {
        QTest::addColumn<QString>("look");
        QTest::addColumn<bool>("text");  // whether its font and ink count, or only its fill
        for (const char *look : {"toolbar", "position", "heading", "caption", "status"})
            QTest::newRow(look) << QString::fromLatin1(look) << true;
        QTest::newRow("card") << QStringLiteral("card") << false;
    }
    void theMainWindowsShareOneLook()
    {
        QFETCH(QString, look);
        QFETCH(bool, text);
        QList<LookSample> samples;
        for (const char *window : {"TfrmRegistro", "TfrmAnagrafica", "TfrmRicevute"}) {
            QWidget *w = AppWindows::get(QLatin1StringView(window));
            w->show();
            QWidget *part = withLook(w, look);
            QVERIFY2(part, qPrintable(QStringLiteral("%1 has no %2").arg(QLatin1StringView(window), look)));
            if (look == u"toolbar")
                part = part->findChild<QToolButton *>();  // the bar's buttons carry its type
            samples.append(sample(part));
            w->hide();
        }
        for (const LookSample &s : std::as_const(samples)) {
            QCOMPARE(s.fill, samples.first().fill);
            if (!text)
                continue;
            QCOMPARE(s.font.family(), samples.first().font.family());
            QCOMPARE(s.font.pointSize(), samples.first().font.pointSize());
            QCOMPARE(s.font.bold(), samples.first().font.bold());
            QCOMPARE(s.ink, samples.first().ink);
        }
        if (look == u"heading")
            QCOMPARE(samples.first().ink, Theme::colour(Theme::Colour::HouseBlue));
        if (look == u"status")
            QCOMPARE(samples.first().fill, Theme::colour(Theme::Colour::StatusBar));
    }
};

QTEST_MAIN(WindowFitTest)
#include "tst_window_fit.moc"

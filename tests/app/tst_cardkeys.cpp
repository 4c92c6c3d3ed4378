// The keys the three card windows share, and the question before a changed
// card is thrown away, through the program's own windows.
#include "Archives.h"
#include "CameraScript.h"
#include "TestSupport.h"
#include "app/Startup.h"
#include "ui/AppWindows.h"
#include "ui/CardChanges.h"
#include "ui/Controls.h"
#include "ui/RecordWindow.h"
#include "ui/Toolbar.h"
#include "register/CameraSource.h"
#include "register/PhotoFrame.h"
#include "resultlist/ResultList.h"
#include "storage/RecordFile.h"

#include <QApplication>
#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QComboBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <QWindow>

using TestSupport::click;

namespace {

// One card window: its class, the field each card tells apart, where it stores.
struct Area
{
    QString window;
    QString field;
};

Area area(const QString &window)
{
    if (window == u"TfrmRegistro")
        return {window, QStringLiteral("txtDescrizione")};
    if (window == u"TfrmAnagrafica")
        return {window, QStringLiteral("txtCognome")};
    return {window, QStringLiteral("txtCliente")};
}

const QStringList kCards = {QStringLiteral("UNO"), QStringLiteral("DUE"), QStringLiteral("TRE")};

// Three stored cards in each archive, the receipts in 2025's.
void writeArchives()
{
    QList<RegisterRecord> cards;
    QList<CustomerRecord> customers;
    QList<ReceiptRecord> receipts;
    for (int i = 0; i < kCards.size(); ++i) {
        RegisterRecord r;
        r.NumScheda = QString::number(i + 1);
        r.Data = QStringLiteral("10/03/2025");
        r.Natura = QStringLiteral("Oro giallo 18 kt");
        r.Cliente = QStringLiteral("ROSSI MARIO");
        r.Descrizione = kCards[i];
        r.Importo = r.PrezzoVen = QStringLiteral("10,00");
        r.Venduto = QStringLiteral("No");
        cards.append(r);
        CustomerRecord c;
        c.Cognome = kCards[i];
        c.Nome = QStringLiteral("MARIO");
        c.Decorrenza = QStringLiteral("01/03/2025");
        c.Scadenza = QStringLiteral("01/04/2025");
        c.Preavviso = QStringLiteral("5");
        customers.append(c);
        ReceiptRecord t;
        t.NumRic = QString::number(i + 1);
        t.Data = QStringLiteral("10/03/2025");
        t.Cliente = kCards[i];
        t.Acconti = t.Tassa = t.TotCorrispettivi = t.Totale = QStringLiteral("0,00");
        t.Saldata = QStringLiteral("No");
        receipts.append(t);
    }
    QVERIFY(Archives::writeRegister(cards));
    QVERIFY(Archives::writeCustomers(customers));
    QVERIFY(Archives::writeReceipts(QStringLiteral("2025"), receipts));
}

QString storedKey(const QString &window, int index)
{
    if (window == u"TfrmRegistro")
        return RegisterRecordLayout::decode(RecordFile(Archives::registerPath(), RegisterRecordLayout::size).read(index))
            .Descrizione;
    if (window == u"TfrmAnagrafica")
        return CustomerRecordLayout::decode(RecordFile(Archives::customerPath(), CustomerRecordLayout::size).read(index))
            .Cognome;
    const QString path = Archives::receiptPath(QStringLiteral("2025"));
    return ReceiptRecordLayout::decode(RecordFile(path, ReceiptRecordLayout::size).read(index)).Cliente;
}

QStringList questionOnce() { return {CardChanges::question()}; }

} // namespace

class TestCardKeys : public QObject
{
    Q_OBJECT

    QList<QWidget *> m_windows;
    std::unique_ptr<TempDataDir> m_data;
    std::unique_ptr<MessageRecorder> m_messages;

    QWidget *window(const QString &name) const { return AppWindows::get(name); }
    QString text(const Area &a, const QString &control) const { return TestSupport::text(window(a.window), control); }
    QLineEdit *keyField(const Area &a) const
    {
        return qobject_cast<QLineEdit *>(TestSupport::control(window(a.window), a.field));
    }

    // The window as the main menu opens it, showing stored card `position` (0: a new card).
    void open(const Area &a, int position)
    {
        QWidget *w = window(a.window);
        if (a.window == u"TfrmRicevute") {
            Controls::setText(w, QStringLiteral("lblFile"), Archives::receiptPath(QStringLiteral("2025")));
            Controls::setText(w, QStringLiteral("lblAnno"), QStringLiteral("2025"));
        }
        AppWindows::show(a.window);
        // Shown again after the last test hid it, the offscreen platform
        // leaves it inactive, where no shortcut works.
        QApplication::setActiveWindow(w);
        QVERIFY(QTest::qWaitForWindowActive(w));
        QVERIFY(w->isActiveWindow());
        if (position > 0)
            RecordWindows::load(a.window, position - 1);
        QCOMPARE(text(a, QStringLiteral("lblPosizione")), position > 0 ? QString::number(position) : QString());
        keyField(a)->setFocus();
        m_messages->clear();
    }

    // The user adds to the card's telling field.
    void edit(const Area &a)
    {
        QLineEdit *field = keyField(a);
        field->setFocus();
        field->end(false);
        QTest::keyClicks(field, QStringLiteral("X"));
    }

    static void press(const QKeySequence &keys)
    {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        QTest::keySequence(focus, keys);
    }

private slots:
    void initTestCase()
    {
        m_data = std::make_unique<TempDataDir>();
        m_messages = std::make_unique<MessageRecorder>();
        m_windows = Startup::createAreaWindows();
    }
    void init()
    {
        m_data = std::make_unique<TempDataDir>();
        writeArchives();
        m_messages->clear();
    }
    void cleanup()
    {
        for (QWidget *w : std::as_const(m_windows))
            w->hide();
    }
    void cleanupTestCase()
    {
        qDeleteAll(m_windows);
        AppWindows::clear();
        m_messages.reset();
        m_data.reset();
    }

    // Each shared key does what its button does, pressed in a one-line field.
    void keysDoWhatTheirButtonsDo_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<int>("from");      // the card shown before
        QTest::addColumn<QString>("shown"); // the card's telling field after
        QTest::addColumn<QString>("position");
        QTest::addColumn<QStringList>("dialogs");
        const struct
        {
            const char *window;
            const char *print;  // what Stampa opens
        } areas[] = {{"TfrmRegistro", "TfrmStampaReg"},
                     {"TfrmAnagrafica", "dlgStampante"},
                     {"TfrmRicevute", "TfrmStampaRicevuta"}};
        for (const auto &a : areas) {
            const QString w = QLatin1StringView(a.window);
            auto row = [&](const char *what) -> QTestData & { return QTest::addRow("%s %s", a.window, what); };
            row("Ctrl+N new") << w << QKeySequence(Qt::CTRL | Qt::Key_N) << 2 << QString() << QString() << QStringList();
            row("Ctrl+Home first") << w << QKeySequence(Qt::CTRL | Qt::Key_Home) << 2 << "UNO" << "1" << QStringList();
            row("PgUp previous") << w << QKeySequence(Qt::Key_PageUp) << 2 << "UNO" << "1" << QStringList();
            row("PgDown next") << w << QKeySequence(Qt::Key_PageDown) << 2 << "TRE" << "3" << QStringList();
            row("Ctrl+End last") << w << QKeySequence(Qt::CTRL | Qt::Key_End) << 1 << "TRE" << "3" << QStringList();
            row("Ctrl+F find") << w << QKeySequence(Qt::CTRL | Qt::Key_F) << 2 << "DUE" << "2"
                               << QStringList{w == u"TfrmRegistro" ? QStringLiteral("TfrmTrovaRegistro")
                                              : w == u"TfrmAnagrafica" ? QStringLiteral("TfrmTrovaClienti")
                                                                       : QStringLiteral("TfrmTrovaRicevute")};
            row("Ctrl+P print") << w << QKeySequence(Qt::CTRL | Qt::Key_P) << 2 << "DUE" << "2"
                                << QStringList{QLatin1StringView(a.print)};
            row("F1 guide") << w << QKeySequence(Qt::Key_F1) << 2 << "DUE" << "2" << QStringList{QStringLiteral("TfrmGuida")};
        }
    }
    void keysDoWhatTheirButtonsDo()
    {
        QFETCH(QString, window);
        QFETCH(QKeySequence, keys);
        QFETCH(int, from);
        QFETCH(QString, shown);
        QFETCH(QString, position);
        QFETCH(QStringList, dialogs);
        const Area a = area(window);
        open(a, from);
        ModalScript modal;
        press(keys);
        QCOMPARE(modal.seen(), dialogs);
        QCOMPARE(text(a, QStringLiteral("lblPosizione")), position);
        QCOMPARE(text(a, a.field), shown);
        QVERIFY2(m_messages->isEmpty(), qPrintable(m_messages->texts().join(u'|')));
    }

    // F1 is the guide in every area window that has a guide button (the
    // payout chooser has none, and no guide entry).
    void f1OpensTheGuideEverywhere_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *w : {"TfrmAvvio", "TfrmMenuRicevute", "TfrmMenuRiepilogo", "TfrmStatistiche", "TfrmSegnalazioni"})
            QTest::newRow(w) << QString::fromLatin1(w);
    }
    void f1OpensTheGuideEverywhere()
    {
        QFETCH(QString, window);
        QWidget *w = this->window(window);
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        ModalScript modal;
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w, Qt::Key_F1);
        QCOMPARE(modal.seen(), QStringList{QStringLiteral("TfrmGuida")});
    }

    void saveKeyStoresTheCard_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *w : {"TfrmRegistro", "TfrmAnagrafica", "TfrmRicevute"})
            QTest::newRow(w) << QString::fromLatin1(w);
    }
    void saveKeyStoresTheCard()
    {
        QFETCH(QString, window);
        const Area a = area(window);
        open(a, 2);
        edit(a);
        press(QKeySequence(Qt::CTRL | Qt::Key_S));
        QCOMPARE(m_messages->texts(),
                 QStringList{QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.")});
        QCOMPARE(storedKey(window, 1), QStringLiteral("DUEX"));
        // Saved: leaving asks nothing.
        m_messages->clear();
        press(QKeySequence(Qt::Key_PageDown));
        QCOMPARE(text(a, a.field), QStringLiteral("TRE"));
        QVERIFY(m_messages->isEmpty());
    }

    // The page keys go to a province list that is open, and move on from one that is closed.
    void pageKeysInAProvinceList_data()
    {
        QTest::addColumn<bool>("open");
        QTest::addColumn<QString>("position");
        QTest::newRow("list open: it scrolls") << true << "2";
        QTest::newRow("list closed: next receipt") << false << "3";
    }
    void pageKeysInAProvinceList()
    {
        QFETCH(bool, open);
        QFETCH(QString, position);
        const Area a = area(QStringLiteral("TfrmRicevute"));
        this->open(a, 2);
        auto *province = qobject_cast<QComboBox *>(TestSupport::control(window(a.window), QStringLiteral("txtProvCliente")));
        QVERIFY(province && province->count() > 20);
        province->setFocus();
        if (open) {
            province->showPopup();
            QVERIFY(QTest::qWaitForWindowExposed(province->view()->window()));
            const int before = province->view()->currentIndex().row();
            QTest::keyClick(province->view(), Qt::Key_PageDown);
            QVERIFY(province->view()->currentIndex().row() > before);
            province->hidePopup();
        } else {
            press(QKeySequence(Qt::Key_PageDown));
        }
        QCOMPARE(text(a, QStringLiteral("lblPosizione")), position);
    }

    // A list or a multi-line text with the focus keeps the page keys and Ctrl+Home/End.
    void multiLineTextKeepsThePageKeys()
    {
        QWidget w;
        auto *row = new QHBoxLayout(&w);
        int moves = 0;
        Toolbar::add(&w, row, {{"cmdAvanti", "next", QStringLiteral("Avanti"), QStringLiteral("Avanti."), [&] { ++moves; }},
                               {"cmdPrimo", "first", QStringLiteral("Prima"), QStringLiteral("Prima."), [&] { ++moves; }}},
                     {});
        auto *notes = new QPlainTextEdit(&w);
        auto *field = new QLineEdit(&w);
        row->addWidget(notes);
        row->addWidget(field);
        QStringList lines;
        for (int i = 0; i < 200; ++i)
            lines.append(QString::number(i));
        notes->setPlainText(lines.join(u'\n'));
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        notes->setFocus();
        press(QKeySequence(Qt::Key_PageDown));
        QCOMPARE(moves, 0);
        QVERIFY(notes->textCursor().blockNumber() > 0);
        press(QKeySequence(Qt::CTRL | Qt::Key_Home));
        QCOMPARE(moves, 0);
        QCOMPARE(notes->textCursor().blockNumber(), 0);
        field->setFocus();
        press(QKeySequence(Qt::Key_PageDown));
        press(QKeySequence(Qt::CTRL | Qt::Key_Home));
        QCOMPARE(moves, 2);
    }

    // Tooltips name the keys; the hint line keeps the button's own text; Tab reaches every button.
    void toolbarNamesItsKeysAndTabReachesIt_data() { saveKeyStoresTheCard_data(); }
    void toolbarNamesItsKeysAndTabReachesIt()
    {
        QFETCH(QString, window);
        const Area a = area(window);
        open(a, 0);
        const struct
        {
            const char *button;
            const char *keys;
        } named[] = {{"cmdNuovo", "Ctrl+N"}, {"cmdSalva", "Ctrl+S"}, {"cmdTrova", "Ctrl+F"},
                     {"cmdStampa", "Ctrl+P"}, {"cmdPrimo", "Ctrl+Home"}, {"cmdIndietro", "PgUp"},
                     {"cmdAvanti", "PgDown"}, {"cmdUltimo", "Ctrl+End"}, {"cmdGuida", "F1"}};
        for (const auto &n : named) {
            auto *b = qobject_cast<QToolButton *>(TestSupport::control(this->window(a.window), QLatin1StringView(n.button)));
            QVERIFY(b);
            const QString hint = b->property("hint").toString();
            QVERIFY2(!hint.isEmpty() && !hint.contains(u'('), qPrintable(hint));
            QCOMPARE(b->toolTip(), hint + QStringLiteral(" (") + QLatin1StringView(n.keys) + u')');
        }
        QStringList buttons;
        for (QToolButton *b : this->window(a.window)->findChildren<QToolButton *>())
            if (b->property("bar").toBool())
                buttons.append(b->objectName());
        QVERIFY(buttons.size() >= 9);
        QSet<QString> reached;
        for (int i = 0; i < 400 && reached.size() < buttons.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (QWidget *f = QApplication::focusWidget(); f && buttons.contains(f->objectName()))
                reached.insert(f->objectName());
        }
        for (const QString &b : std::as_const(buttons))
            QVERIFY2(reached.contains(b), qPrintable(b));
    }

    // Every way of leaving a changed card asks once; Yes goes on, No keeps the card and its edit.
    void leavingAChangedCardAsks_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("shownAfterYes");
        const struct
        {
            const char *way;
            const char *shown;  // the telling field once gone on
        } ways[] = {{"cmdNuovo", ""}, {"cmdPrimo", "UNO"}, {"cmdIndietro", "UNO"}, {"cmdAvanti", "TRE"},
                    {"cmdUltimo", "TRE"}, {"list", "UNO"}, {"cmdEsci", nullptr}, {"close box", nullptr}};
        for (const char *w : {"TfrmRegistro", "TfrmAnagrafica", "TfrmRicevute"})
            for (const auto &way : ways)
                for (bool yes : {true, false})
                    QTest::addRow("%s %s %s", w, way.way, yes ? "yes" : "no")
                        << QString::fromLatin1(w) << QString::fromLatin1(way.way) << yes
                        << (way.shown ? QString::fromLatin1(way.shown) : QString());
    }
    void leavingAChangedCardAsks()
    {
        QFETCH(QString, window);
        QFETCH(QString, way);
        QFETCH(bool, yes);
        QFETCH(QString, shownAfterYes);
        const Area a = area(window);
        open(a, 2);
        edit(a);
        QWidget *w = this->window(a.window);
        m_messages->answerNext(yes);
        if (way == u"list")
            QVERIFY(RecordWindows::load(a.window, 0));
        else if (way == u"close box")
            w->windowHandle()->close();
        else
            click(w, way);
        QCOMPARE(m_messages->texts(), questionOnce());
        QCOMPARE(m_messages->last().kind, MessageKind::Confirmation);
        const bool leavesWindow = way == u"cmdEsci" || way == u"close box";
        if (!yes) {
            QVERIFY(w->isVisible());
            QCOMPARE(text(a, QStringLiteral("lblPosizione")), QStringLiteral("2"));
            QCOMPARE(text(a, a.field), QStringLiteral("DUEX"));
            QCOMPARE(storedKey(window, 1), QStringLiteral("DUE"));
            return;
        }
        QCOMPARE(w->isVisible(), !leavesWindow);
        if (leavesWindow) {
            QVERIFY(AppWindows::get(AppWindows::mainMenu())->isVisible());
            return;
        }
        QCOMPARE(text(a, a.field), shownAfterYes);
        // The card now shown is a clean one.
        m_messages->clear();
        click(w, QStringLiteral("cmdEsci"));
        QVERIFY(m_messages->isEmpty());
        QVERIFY(!w->isVisible());
    }

    // Loading, New's defaults and Save are not changes: nothing is asked.
    void cleanCardsLeaveWithoutAQuestion_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("from");
        QTest::addColumn<bool>("saveFirst");
        for (const char *w : {"TfrmRegistro", "TfrmAnagrafica", "TfrmRicevute"}) {
            QTest::addRow("%s shown", w) << QString::fromLatin1(w) << 0 << false;
            QTest::addRow("%s loaded", w) << QString::fromLatin1(w) << 2 << false;
            QTest::addRow("%s edited and saved", w) << QString::fromLatin1(w) << 2 << true;
        }
    }
    void cleanCardsLeaveWithoutAQuestion()
    {
        QFETCH(QString, window);
        QFETCH(int, from);
        QFETCH(bool, saveFirst);
        const Area a = area(window);
        open(a, from);
        QWidget *w = this->window(a.window);
        if (saveFirst) {
            edit(a);
            click(w, QStringLiteral("cmdSalva"));
            QCOMPARE(m_messages->texts().size(), 1);
            m_messages->clear();
        }
        if (from == 0)
            click(w, QStringLiteral("cmdNuovo"));  // New's number and date are no change either
        for (const char *way : {"cmdUltimo", "cmdPrimo", "cmdNuovo", "cmdEsci"})
            click(w, QLatin1StringView(way));
        QVERIFY2(m_messages->isEmpty(), qPrintable(m_messages->texts().join(u'|')));
        QVERIFY(!w->isVisible());
    }

    // What other windows deliver into the card is a change like typing.
    void deliveriesChangeTheCard_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("delivery");
        QTest::newRow("register calendar") << "TfrmRegistro" << "calendar";
        QTest::newRow("register photo from a file") << "TfrmRegistro" << "photo";
        QTest::newRow("register photo from the camera") << "TfrmRegistro" << "camera";
        QTest::newRow("receipt customer import") << "TfrmRicevute" << "import";
        QTest::newRow("register customer import") << "TfrmRegistro" << "import";
    }
    void deliveriesChangeTheCard()
    {
        QFETCH(QString, window);
        QFETCH(QString, delivery);
        const Area a = area(window);
        open(a, 2);
        QWidget *w = this->window(a.window);
        ModalScript modal;
        FileScript files;
        if (delivery == u"calendar") {
            modal.then([](QDialog *d) {
                d->findChild<QCalendarWidget *>(QStringLiteral("calAppuntamenti"))->setSelectedDate(QDate(2025, 2, 3));
                click(d, QStringLiteral("btnImportaData"));
                return d->result();
            });
            auto *date = qobject_cast<QLineEdit *>(TestSupport::control(w, QStringLiteral("txtData")));
            date->setFocus();
            QTest::keyClick(date, Qt::Key_Space);
            QCOMPARE(date->text(), QStringLiteral("03/02/2025"));
        } else if (delivery == u"photo") {
            QImage picture(QSize(64, 48), QImage::Format_RGB32);
            picture.fill(Qt::red);
            const QString path = m_data->file(QStringLiteral("nuova.jpg"));
            QVERIFY(picture.save(path));
            files.answers = {path};
            click(w, QStringLiteral("btnCaricaFoto"));
            QVERIFY(TestSupport::imageDifference(w->findChild<PhotoFrame *>(QStringLiteral("imgFoto"))->picture(),
                                                 picture) < 8);
        } else if (delivery == u"camera") {
            FedCameraSource *camera = nullptr;
            CameraSource::setFactory([&camera](QObject *parent) { return camera = new FedCameraSource(parent); });
            const auto restore = qScopeGuard([] { CameraSource::setFactory({}); });
            QImage frame(QSize(64, 48), QImage::Format_RGB32);
            frame.fill(Qt::blue);
            modal.then(takePhoto(&camera, frame));
            click(w, QStringLiteral("btnAcquisisciFoto02"));
            QCOMPARE(w->findChild<PhotoFrame *>(QStringLiteral("imgFoto02"))->picture(), frame);
        } else {
            modal.then([](QDialog *d) {
                d->show();
                TestSupport::setText(d, QStringLiteral("txtCognome"), QStringLiteral("TRE"));
                click(d, QStringLiteral("btnCerca"));
                auto *list = d->findChild<ResultList *>();
                if (list->count() > 0) {
                    list->setSelectedIndex(0);
                    QMetaObject::invokeMethod(d, "lstRecordsDblClick");
                }
                return d->result();
            });
            click(w, window == u"TfrmRicevute" ? QStringLiteral("cmdImporta") : QStringLiteral("impCliente"));
            QCOMPARE(modal.seen(), QStringList{QStringLiteral("TfrmTrovaClienti")});
            QVERIFY(text(a, QStringLiteral("txtCliente")).startsWith(u"TRE"));
        }
        m_messages->clear();
        m_messages->answerNext(false);
        click(w, QStringLiteral("cmdAvanti"));
        QCOMPARE(m_messages->texts(), questionOnce());
        QCOMPARE(text(a, QStringLiteral("lblPosizione")), QStringLiteral("2"));
    }

    // A card that could not be read leaves the one on screen, still changed.
    void failedLoadKeepsTheChangedCard_data() { saveKeyStoresTheCard_data(); }
    void failedLoadKeepsTheChangedCard()
    {
        QFETCH(QString, window);
        const Area a = area(window);
        open(a, 2);
        edit(a);
        QWidget *w = this->window(a.window);
        RecordWindows::load(a.window, 7);  // past the end: not readable
        QVERIFY(!m_messages->texts().contains(CardChanges::question()));
        QCOMPARE(text(a, a.field), QStringLiteral("DUEX"));
        m_messages->clear();
        m_messages->answerNext(false);
        click(w, QStringLiteral("cmdEsci"));
        QCOMPARE(m_messages->texts(), questionOnce());
        QVERIFY(w->isVisible());
    }

    // Esc closes a dialog, whichever scaffolding built it, and never an area window.
    void escapeClosesDialogs_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("search") << "TfrmRegistro" << "cmdTrova" << "TfrmTrovaRegistro";
        QTest::newRow("result list") << "TfrmRegistro" << "cmdCercaDisponibili" << "TfrmDaVendere";
        QTest::newRow("guide") << "TfrmAnagrafica" << "cmdGuida" << "TfrmGuida";
        QTest::newRow("numbering") << "TfrmRicevute" << "cmdNumerazione" << "TfrmNumerazione";
        QTest::newRow("code check") << "TfrmRegistro" << "btnCodFisc" << "TfrmCodFisc";
        QTest::newRow("instalments list") << "TfrmAnagrafica" << "cmdScaduti" << "TfrmDaRinnovare";
        QTest::newRow("unpaid receipts") << "TfrmRicevute" << "cmdSospese" << "TfrmSospese";
        QTest::newRow("logo") << "TfrmRicevute" << "btnLogo" << "TfrmLogo";
    }
    void escapeClosesDialogs()
    {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(QString, dialog);
        const Area a = area(window);
        open(a, 2);
        ModalScript modal;
        bool closed = false;
        modal.then([&closed](QDialog *d) {
            d->show();
            QApplication::setActiveWindow(d);
            if (!QTest::qWaitForWindowActive(d))
                qWarning("the dialog did not become active");
            QWidget *focus = QApplication::focusWidget();
            QTest::keyClick(focus && focus->window() == d ? focus : d, Qt::Key_Escape);
            closed = !d->isVisible() && d->result() == QDialog::Rejected;
            return d->result();
        });
        click(this->window(a.window), button);
        QCOMPARE(modal.seen(), QStringList{dialog});
        QVERIFY(closed);
        QVERIFY(this->window(a.window)->isVisible());
    }
    void escapeLeavesAreaWindowsOpen_data() { saveKeyStoresTheCard_data(); }
    void escapeLeavesAreaWindowsOpen()
    {
        QFETCH(QString, window);
        const Area a = area(window);
        open(a, 2);
        edit(a);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(this->window(a.window)->isVisible());
        QVERIFY(m_messages->isEmpty());
        QCOMPARE(text(a, a.field), QStringLiteral("DUEX"));
    }
};

QTEST_MAIN(TestCardKeys)
#include "tst_cardkeys.moc"

#include "app/MakerWindows.h"
#include "app/Startup.h"
#include "ui/AppWindows.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/Guide.h"
#include "ui/NumberingDialog.h"
#include "register/CameraSource.h"
#include "storage/IniFile.h"
#include "TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <memory>

using TestSupport::click;

class TestShell : public QObject
{
    Q_OBJECT
    TempDataDir *m_dir = nullptr;
    QList<QWidget *> m_windows;

    QWidget *win(const char *name) { return AppWindows::get(QLatin1StringView(name)); }
    QStringList visibleWindows()
    {
        QStringList names;
        for (QWidget *w : m_windows)
            if (w->isVisible())
                names.append(w->objectName());
        return names;
    }
    void login()
    {
        AppWindows::show(QStringLiteral("TfrmPassword"));
        QTest::keyClicks(Controls::child(win("TfrmPassword"), QStringLiteral("txtPassword")),
                         QStringLiteral("  ValTrena "));
        click(win("TfrmPassword"), QStringLiteral("cmdOK"));
    }

private slots:
    void init()
    {
        m_dir = new TempDataDir;
        QFile::copy(QStringLiteral(VALTRENA_SOURCE_DIR "/resources/unins000.dll"), m_dir->file(QStringLiteral("unins000.dll")));
        m_windows = Startup::createAreaWindows();
    }
    void cleanup()
    {
        qDeleteAll(m_windows);
        AppWindows::clear();
        delete m_dir;
    }

    void startsAtLoginThenMenu()
    {
        AppWindows::show(QStringLiteral("TfrmPassword"));
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("TfrmPassword")});
        m_windows.first()->hide();
        login();
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("TfrmAvvio")});
    }

    void everyAreaOpensAndComesBack_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("area");
        const char *rows[][2] = {{"Registro", "TfrmRegistro"}, {"Clienti", "TfrmAnagrafica"},
                                 {"Ricevute", "TfrmMenuRicevute"}, {"Inventario", "TfrmMenuRiepilogo"},
                                 {"Esborsi", "TfrmMenuRiepCosti"}, {"Segnalazioni", "TfrmSegnalazioni"}};
        for (const auto &r : rows) {
            QTest::addRow("img%s", r[0]) << QString(u"img" + QLatin1StringView(r[0])) << QString(QLatin1StringView(r[1]));
            QTest::addRow("btn%s", r[0]) << QString(u"btn" + QLatin1StringView(r[0])) << QString(QLatin1StringView(r[1]));
        }
    }
    void everyAreaOpensAndComesBack()
    {
        QFETCH(QString, control);
        QFETCH(QString, area);
        MessageRecorder messages;
        ModalScript modal;
        login();
        click(win("TfrmAvvio"), control);
        QCOMPARE(visibleWindows(), QStringList{area});
        AppWindows::get(area)->close();
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("TfrmAvvio")});
    }

    void closingTheMenuEndsTheProgram()
    {
        login();
        QTimer::singleShot(0, win("TfrmAvvio"), [this] { win("TfrmAvvio")->close(); });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        bool timedOut = false;
        connect(&watchdog, &QTimer::timeout, this, [&] { timedOut = true; QApplication::exit(1); });
        watchdog.start(5000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!timedOut);
    }

    void menuIcons()
    {
        ShellRecorder shell;
        ModalScript modal;
        QString guideTitle;
        modal.then([](QDialog *d) { return int(d->objectName() == QStringLiteral("TfrmInfo")); });
        modal.then([&](QDialog *d) {
            guideTitle = TestSupport::text(d, QStringLiteral("lblTitolo"));
            return 0;
        });
        modal.then([](QDialog *) { return 0; });
        click(win("TfrmAvvio"), QStringLiteral("imgInfo"));
        click(win("TfrmAvvio"), QStringLiteral("imgGuida"));
        click(win("TfrmAvvio"), QStringLiteral("imgCopyright"));
        click(win("TfrmAvvio"), QStringLiteral("icoSito"));
        QCOMPARE(modal.seen(), QStringList({QStringLiteral("TfrmInfo"), QStringLiteral("TfrmGuida"), QStringLiteral("TfrmSplash")}));
        QCOMPARE(guideTitle, QStringLiteral("Guida a Valtrena."));
        QCOMPARE(shell.commands, QStringList{QStringLiteral("https://valtrena.example")});
        QCOMPARE(TfrmInfo::mailCommand(),
                 QStringLiteral("\"mailto:assistenza@valtrena.example?subject=Software Valtrena&body=Salve, "
                                "desidererei avere le seguenti informazioni sul software in oggetto:\""));
        TfrmGuida guide;
        guide.lnkWebClick();
        // Beside the executable, not in the data folder.
        QCOMPARE(shell.commands.last(), u'"' + QCoreApplication::applicationDirPath() + QStringLiteral("/Guida.pdf\""));
        QVERIFY(!shell.commands.last().contains(m_dir->path()));
        QTest::mouseClick(guide.findChild<QWidget *>(QStringLiteral("imgPDF")), Qt::LeftButton);
        QCOMPARE(shell.commands.size(), 3);
        QCOMPARE(shell.commands.last(), u'"' + TfrmGuida::pdfPath() + u'"');
    }

    void makerWindowsShowAllTheirText_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("pointSize");  // the desktop's font, which the links and button follow
        for (int size : {9, 14}) {
            QTest::addRow("information %d pt", size) << QStringLiteral("TfrmInfo") << size;
            QTest::addRow("maker %d pt", size) << QStringLiteral("TfrmSplash") << size;
        }
    }
    // Every text of the window fits its label, and every label the window.
    void makerWindowsShowAllTheirText()
    {
        QFETCH(QString, window);
        QFETCH(int, pointSize);
        const QFont desktop = QApplication::font();
        QFont font = desktop;
        font.setPointSize(pointSize);
        QApplication::setFont(font);
        std::unique_ptr<QDialog> d;
        if (window == QStringLiteral("TfrmInfo"))
            d = std::make_unique<TfrmInfo>();
        else
            d = std::make_unique<TfrmSplash>();
        d->show();
        QVERIFY(QTest::qWaitForWindowExposed(d.get()));
        for (QLabel *label : d->findChildren<QLabel *>()) {
            if (label->text().isEmpty())
                continue;
            const QString what = label->text().left(30);
            const int needed = label->wordWrap() ? label->heightForWidth(label->width())
                                                 : label->sizeHint().height();
            QVERIFY2(needed <= label->height(), qPrintable(what));
            if (!label->wordWrap())
                QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(what));
            const QRect inWindow(label->mapTo(d.get(), QPoint(0, 0)), label->size());
            QVERIFY2(d->rect().contains(inWindow), qPrintable(what));
        }
        QApplication::setFont(desktop);
    }

    void dialogsWithoutWindowButtons_data()
    {
        QTest::addColumn<QString>("dialog");
        for (const char *name : {"TfrmTrovaRegistro", "TfrmTrovaClienti", "TfrmTrovaRicevute", "TfrmDaRinnovare",
                                 "TfrmExpRegistro", "TfrmExpClienti", "TfrmExpRicevute", "TfrmWebCam",
                                 "TfrmCodFisc", "TfrmPartitaIva", "TfrmCarta", "TfrmIban", "TfrmAllegaCartella",
                                 "TfrmCartella", "TfrmGuida"})
            QTest::newRow(name) << QString(QLatin1StringView(name));
    }
    // A title bar and nothing else: each of these is left through its own buttons.
    void dialogsWithoutWindowButtons()
    {
        QFETCH(QString, dialog);
        MessageRecorder messages;
        ModalScript modal;
        Qt::WindowFlags flags;
        bool shown = false;
        modal.then([&](QDialog *d) {
            flags = d->windowFlags();
            shown = true;
            return 0;
        });
        // The camera dialog gets a camera of the test's, not the machine's.
        struct TestCamera
        {
            TestCamera() { CameraSource::setFactory([](QObject *p) { return new FedCameraSource(p); }); }
            ~TestCamera() { CameraSource::setFactory({}); }
        } camera;
        if (dialog == QStringLiteral("TfrmGuida"))
            TfrmGuida::open(win("TfrmAvvio"), QStringLiteral("Titolo"), QStringLiteral("Testo"));
        else
            QVERIFY(Dialogs::open(dialog, win("TfrmAvvio")) >= 0);
        QVERIFY(shown);
        QVERIFY(flags & Qt::CustomizeWindowHint);
        QVERIFY(flags & Qt::WindowTitleHint);
        for (Qt::WindowType button : {Qt::WindowSystemMenuHint, Qt::WindowCloseButtonHint, Qt::WindowMinimizeButtonHint,
                                      Qt::WindowMaximizeButtonHint, Qt::WindowContextHelpButtonHint})
            QVERIFY2(!(flags & button), qPrintable(QString::number(uint(button), 16)));
    }

    void numberingDialog()
    {
        IniFile::write(m_dir->file(QStringLiteral("Valtrena.ini")), QStringLiteral("Numerazione Registro"),
                       QStringLiteral("Inizio"), QStringLiteral("40"));
        ModalScript modal;
        modal.then([](QDialog *d) {
            auto *start = d->findChild<QLineEdit *>(QStringLiteral("txtInizio"));
            if (start->text() != QStringLiteral("1"))  // no receipt settings yet
                return 0;
            start->setFocus();
            start->selectAll();
            QTest::keyClicks(start, QStringLiteral("00x7,"));
            d->findChild<QCheckBox *>(QStringLiteral("chkTipo"))->setChecked(true);
            click(d, QStringLiteral("btnApplica"));
            return d->result();
        });
        TfrmNumerazione::open(nullptr, QStringLiteral("ricevute"), QStringLiteral(" Impostazione inizio numerazione ricevute"));
        const IniFile ini(m_dir->file(QStringLiteral("Valtrena.ini")));
        QCOMPARE(ini.value(QStringLiteral("Numerazione Ricevute"), QStringLiteral("Inizio")), QStringLiteral("7"));
        QCOMPARE(ini.value(QStringLiteral("Numerazione Ricevute"), QStringLiteral("Indicazione Anno Solare")), QStringLiteral("Sì"));
        QCOMPARE(ini.value(QStringLiteral("Numerazione Registro"), QStringLiteral("Inizio")), QStringLiteral("40"));

        TfrmNumerazione dialog;
        Controls::setToken(&dialog, QStringLiteral("registro"));
        dialog.formShow();
        auto *start = dialog.findChild<QLineEdit *>(QStringLiteral("txtInizio"));
        QCOMPARE(start->text(), QStringLiteral("40"));
        start->setText(QStringLiteral("  "));
        dialog.txtInizioExit();
        QCOMPARE(start->text(), QStringLiteral("1"));
        start->setText(QStringLiteral("0"));
        dialog.txtInizioExit();
        QCOMPARE(start->text(), QStringLiteral("0"));
    }

    // Five digits limit typing only: a longer stored start value is shown and
    // written back whole, even past what a double holds exactly.
    void numberingKeepsALongStartValue()
    {
        const QString ini = m_dir->file(QStringLiteral("Valtrena.ini"));
        const QString start = QStringLiteral("12345678901234567890");
        IniFile::write(ini, QStringLiteral("Numerazione Registro"), QStringLiteral("Inizio"), start);
        ModalScript modal;
        QString shown;
        modal.then([&](QDialog *d) {
            d->show();  // the script runs the dialog without showing it
            auto *field = d->findChild<QLineEdit *>(QStringLiteral("txtInizio"));
            shown = field->text();
            field->setFocus();
            click(d, QStringLiteral("btnApplica"));
            return d->result();
        });
        TfrmNumerazione::open(nullptr, QStringLiteral("registro"), QStringLiteral(" Numerazione"));
        QCOMPARE(shown, start);
        QCOMPARE(IniFile::read(ini, QStringLiteral("Numerazione Registro"), QStringLiteral("Inizio")), start);

        // Typing is still held to five digits once the long value is gone.
        TfrmNumerazione dialog;
        Controls::setToken(&dialog, QStringLiteral("registro"));
        dialog.show();
        auto *field = dialog.findChild<QLineEdit *>(QStringLiteral("txtInizio"));
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, QStringLiteral("1234567"));
        QCOMPARE(field->text(), QStringLiteral("12345"));
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"

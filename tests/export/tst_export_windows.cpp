#include "ExportArchives.h"
#include "TestSupport.h"
#include "ui/AppWindows.h"
#include "ui/Dialogs.h"
#include "export/ExportModule.h"
#include "export/ExportWindow.h"
#include "storage/ArchiveTexts.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTableView>
#include <QTest>
#include <memory>

namespace {

const QString kAskExport = QStringLiteral(
    "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di "
    "schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
const QString kAskOpen = QStringLiteral(
    "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?");
const QString kFailure = QStringLiteral(
    "Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
    "Accertarsi che il file di Excel non sia già aperto.");

QByteArray fixture(const QString &name)
{
    QFile f(QStringLiteral(EXPORT_FIXTURES) + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QAbstractItemModel *grid(QWidget *window)
{
    return window->findChild<QTableView *>(QStringLiteral("grdRecords"))->model();
}

// Opens an export window the way its opener does, shows it and hands it to `act`.
void openExportWindow(const QString &className, const std::function<void(ExportWindow *)> &act)
{
    ModalScript script;
    script.then([&](QDialog *d) {
        d->show();
        act(qobject_cast<ExportWindow *>(d));
        return int(QDialog::Accepted);
    });
    QCOMPARE(Dialogs::open(className, nullptr), int(QDialog::Accepted));
}

void clickExport(ExportWindow *w) { TestSupport::click(w, QStringLiteral("cmdEsporta")); }

} // namespace

class TestExportWindows : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void goldenFiles_data();
    void goldenFiles();
    void gridShowsArchive_data();
    void gridShowsArchive();
    void editedCellsReachTheFileOnly();
    void answers_data();
    void answers();
    void unwritableFileShowsFailure();
    void emptyArchiveShowsTenRowsAndExportsTitles();
    void unreadableArchiveIsReported_data();
    void unreadableArchiveIsReported();
    void helpAndExit();

private:
    std::unique_ptr<QWidget> m_receipts;  // stand-in for the receipt window
    QLabel *m_lblFile = nullptr;
};

void TestExportWindows::initTestCase() { ExportModule::registerDialogs(); }

void TestExportWindows::init()
{
    m_receipts = std::make_unique<QWidget>();
    m_receipts->setObjectName(QStringLiteral("TfrmRicevute"));
    m_lblFile = new QLabel(m_receipts.get());
    m_lblFile->setObjectName(QStringLiteral("lblFile"));
    AppWindows::add(m_receipts.get());
}

void TestExportWindows::cleanup()
{
    AppWindows::clear();
    m_receipts.reset();
}

void TestExportWindows::goldenFiles_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("archive");
    QTest::addColumn<QByteArray>("records");
    QTest::addColumn<QString>("exported");
    QTest::newRow("register") << QStringLiteral("TfrmExpRegistro") << QStringLiteral("Registro_Operazioni.vtr")
                              << ExportArchives::registerArchive() << QStringLiteral("Registro_Operazioni.xls");
    QTest::newRow("customers") << QStringLiteral("TfrmExpClienti") << QStringLiteral("Clienti.pro")
                               << ExportArchives::customerArchive() << QStringLiteral("Clienti.xls");
    // An earlier year than the current one, because that year is open.
    QTest::newRow("receipts") << QStringLiteral("TfrmExpRicevute") << QStringLiteral("2024.ric")
                              << ExportArchives::receiptArchive() << QStringLiteral("Archivio_Ricevute.xls");
}

void TestExportWindows::goldenFiles()
{
    QFETCH(QString, window);
    QFETCH(QString, archive);
    QFETCH(QByteArray, records);
    QFETCH(QString, exported);
    TempDataDir dir;
    dir.writeBytes(archive, records);
    dir.writeBytes(QStringLiteral("2025.ric"), ExportArchives::encode({ReceiptRecord{}}));
    m_lblFile->setText(QStringLiteral(" ") + dir.file(QStringLiteral("2024.ric")) + QStringLiteral(" "));
    MessageRecorder messages;
    ShellRecorder shell;

    openExportWindow(window, clickExport);

    const QByteArray expected = fixture(exported);
    QVERIFY(!expected.isEmpty());
    QCOMPARE(dir.readBytes(exported), expected);
    QCOMPARE(messages.texts(), (QStringList{kAskExport, kAskOpen}));
    QCOMPARE(messages.entries().first().kind, MessageKind::Confirmation);
    QCOMPARE(shell.commands, QStringList{u'"' + dir.file(exported) + u'"'});
    QCOMPARE(dir.readBytes(archive), records);
}

void TestExportWindows::gridShowsArchive_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("archive");
    QTest::addColumn<QByteArray>("records");
    QTest::addColumn<QStringList>("editable");
    QTest::newRow("register")
        << QStringLiteral("TfrmExpRegistro") << QStringLiteral("Registro_Operazioni.vtr")
        << ExportArchives::registerArchive()
        << QStringList{u"Ora operazione"_qs, u"Estremi transazione"_qs, u"Mezzo di pagamento"_qs,
                       u"Codice fiscale"_qs, u"Numero documento"_qs, u"Ente rilascio"_qs,
                       u"Data rilascio"_qs, u"Data scadenza"_qs, u"Dati identificativi acquirente"_qs,
                       u"Destinazione oggetto"_qs, u"Data vendita o cessione"_qs,
                       u"Descrizione sintetica oggetto"_qs, u"Valutazione oggetto"_qs,
                       u"Prezzo vendita"_qs, u"Venduto"_qs};
    QTest::newRow("customers")
        << QStringLiteral("TfrmExpClienti") << QStringLiteral("Clienti.pro") << ExportArchives::customerArchive()
        << QStringList{u"Partita IVA"_qs, u"Comune di residenza"_qs, u"Tel. casa"_qs, u"IBAN"_qs,
                       u"Tipo documento"_qs, u"Numero documento"_qs, u"Ente di rilascio"_qs,
                       u"Data rilascio"_qs, u"Codice Cliente"_qs, u"Note"_qs};
    QTest::newRow("receipts")
        << QStringLiteral("TfrmExpRicevute") << QStringLiteral("2024.ric") << ExportArchives::receiptArchive()
        << QStringList{u"Data emissione"_qs, u"Modalità di pagamento"_qs, u"Prov."_qs, u"Note"_qs,
                       u"Acconti"_qs, u"Imposta di bollo"_qs, u"Totale saldato"_qs, u"Saldata"_qs};
}

void TestExportWindows::gridShowsArchive()
{
    QFETCH(QString, window);
    QFETCH(QString, archive);
    QFETCH(QByteArray, records);
    QFETCH(QStringList, editable);
    TempDataDir dir;
    dir.writeBytes(archive, records);
    m_lblFile->setText(dir.file(QStringLiteral("2024.ric")));

    openExportWindow(window, [&](ExportWindow *w) {
        const QAbstractItemModel *m = grid(w);
        QCOMPARE(m->rowCount(), records.size() / w->table().sheet().recordSize);
        QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QStringLiteral("N."));
        for (int r = 0; r < m->rowCount(); ++r)
            QCOMPARE(m->index(r, 0).data().toString(), QString::number(r + 1));
        QStringList found;
        for (int c = 0; c < m->columnCount(); ++c)
            if (m->flags(m->index(0, c)) & Qt::ItemIsEditable)
                found << m->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(found, editable);
    });
}

void TestExportWindows::editedCellsReachTheFileOnly()
{
    TempDataDir dir;
    const QByteArray records = ExportArchives::customerArchive();
    dir.writeBytes(QStringLiteral("Clienti.pro"), records);
    MessageRecorder messages;
    ShellRecorder shell;

    openExportWindow(QStringLiteral("TfrmExpClienti"), [](ExportWindow *w) {
        QAbstractItemModel *m = grid(w);
        QCOMPARE(m->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Cognome e nome cliente"));
        QCOMPARE(m->index(0, 1).data().toString(), QStringLiteral("Verdi"));
        QVERIFY(!m->setData(m->index(0, 1), QStringLiteral("Neri"), Qt::EditRole));
        QCOMPARE(m->headerData(25, Qt::Horizontal).toString(), QStringLiteral("Note"));
        QVERIFY(m->setData(m->index(1, 25), QStringLiteral(" Pagato in € "), Qt::EditRole));
        clickExport(w);
    });

    const QByteArray file = dir.readBytes(QStringLiteral("Clienti.xls"));
    QVERIFY(file.endsWith(QByteArrayLiteral(">Pagato in \x80</td></tr></table></body></html>")));
    QVERIFY(file.contains(QByteArrayLiteral(">Verdi</td>")));
    QCOMPARE(dir.readBytes(QStringLiteral("Clienti.pro")), records);
}

void TestExportWindows::answers_data()
{
    QTest::addColumn<bool>("exportNow");
    QTest::addColumn<bool>("openFile");
    QTest::addColumn<bool>("written");
    QTest::addColumn<int>("opened");
    QTest::newRow("no: earlier file untouched") << false << true << false << 0;
    QTest::newRow("yes, then do not open") << true << false << true << 0;
    QTest::newRow("yes, then open") << true << true << true << 1;
}

void TestExportWindows::answers()
{
    QFETCH(bool, exportNow);
    QFETCH(bool, openFile);
    QFETCH(bool, written);
    QFETCH(int, opened);
    TempDataDir dir;
    dir.writeBytes(QStringLiteral("Clienti.pro"), ExportArchives::customerArchive());
    const QByteArray earlier = QByteArrayLiteral("esportazione precedente");
    dir.writeBytes(QStringLiteral("Clienti.xls"), earlier);
    MessageRecorder messages;
    messages.answerNext(exportNow);
    messages.answerNext(openFile);
    ShellRecorder shell;

    openExportWindow(QStringLiteral("TfrmExpClienti"), [](ExportWindow *w) {
        clickExport(w);
        QVERIFY(w->isVisible());  // the window stays open after the export
    });

    QCOMPARE(dir.readBytes(QStringLiteral("Clienti.xls")) == earlier, !written);
    QCOMPARE(messages.entries().size(), exportNow ? 2 : 1);
    QCOMPARE(shell.commands.size(), opened);
}

void TestExportWindows::unwritableFileShowsFailure()
{
    TempDataDir dir;
    dir.writeBytes(QStringLiteral("Clienti.pro"), ExportArchives::customerArchive());
    // A folder in the file's place cannot be replaced, as a file held open by Excel.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Clienti.xls")));
    MessageRecorder messages;
    ShellRecorder shell;

    openExportWindow(QStringLiteral("TfrmExpClienti"), clickExport);

    QCOMPARE(messages.texts(), (QStringList{kAskExport, kFailure}));
    QCOMPARE(messages.last().kind, MessageKind::Plain);
    QVERIFY(shell.commands.isEmpty());
}

void TestExportWindows::emptyArchiveShowsTenRowsAndExportsTitles()
{
    TempDataDir dir;
    MessageRecorder messages;
    ShellRecorder shell;

    openExportWindow(QStringLiteral("TfrmExpRegistro"), [](ExportWindow *w) {
        const QAbstractItemModel *m = grid(w);
        QCOMPARE(m->rowCount(), 10);
        QCOMPARE(m->index(0, 0).data().toString(), QString());
        clickExport(w);
    });

    QCOMPARE(messages.texts(), (QStringList{kAskExport, kAskOpen}));
    const QByteArray file = dir.readBytes(QStringLiteral("Registro_Operazioni.xls"));
    QCOMPARE(file.count("<tr>"), 1);
    QVERIFY(file.endsWith(QByteArrayLiteral(">Venduto</td></tr></table></body></html>")));
}

void TestExportWindows::unreadableArchiveIsReported_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("archive");
    QTest::newRow("register is a folder") << QStringLiteral("TfrmExpRegistro") << QStringLiteral("Registro_Operazioni.vtr");
    QTest::newRow("no receipt year open") << QStringLiteral("TfrmExpRicevute") << QString();
}

void TestExportWindows::unreadableArchiveIsReported()
{
    QFETCH(QString, window);
    QFETCH(QString, archive);
    TempDataDir dir;
    if (!archive.isEmpty())
        QVERIFY(QDir(dir.path()).mkdir(archive));
    m_lblFile->clear();
    MessageRecorder messages;

    openExportWindow(window, [](ExportWindow *w) { QCOMPARE(grid(w)->rowCount(), 10); });

    QCOMPARE(messages.texts(), QStringList{ArchiveTexts::ioFailure()});
    QCOMPARE(messages.last().kind, MessageKind::Error);
}

void TestExportWindows::helpAndExit()
{
    TempDataDir dir;
    m_lblFile->setText(dir.file(QStringLiteral("2025.ric")));
    MessageRecorder messages;
    QString helpTitle;
    ModalScript script;
    script.then([](QDialog *d) {
        d->show();
        TestSupport::click(d, QStringLiteral("cmdGuida"));
        TestSupport::click(d, QStringLiteral("cmdEsci"));
        return d->result();
    });
    script.then([&](QDialog *guide) {
        helpTitle = guide->findChild<QLabel *>(QStringLiteral("lblTitolo"))->text();
        return int(QDialog::Accepted);
    });

    QCOMPARE(Dialogs::open(QStringLiteral("TfrmExpRicevute"), nullptr), int(QDialog::Rejected));
    QCOMPARE(script.seen(), (QStringList{u"TfrmExpRicevute"_qs, u"TfrmGuida"_qs}));
    QCOMPARE(helpTitle, QStringLiteral("Esportazione archivio ricevute in Microsoft Excel."));
    QVERIFY(messages.isEmpty());
}

QTEST_MAIN(TestExportWindows)
#include "tst_export_windows.moc"

// The receipt window's archive operations, and the searches, summaries and
// export it opens, on broken, missing, full and read-only archives.
#include "FaultKit.h"
#include "ReceiptFixtures.h"
#include "ui/AppWindows.h"
#include "ui/Controls.h"
#include "export/ExportModule.h"
#include "receipts/ReceiptWindow.h"
#include "receipts/ReceiptsModule.h"
#include "storage/ArchiveTexts.h"
#include "storage/DataFolder.h"
#include "summaries/ReceiptSummariesModule.h"

#include <QTest>
#include <memory>

using namespace FaultKit;

namespace {

constexpr int kSize = ReceiptRecordLayout::size;
const QString kArchive = QStringLiteral("2025.ric");

void writeField(char *record, const char *name, const QString &text)
{
    const int i = ReceiptRecordLayout::indexOf(QString::fromLatin1(name));
    ShortText::write(record + ReceiptRecordLayout::offsets()[i], ReceiptRecordLayout::fields[i].capacity, text);
}

void spoil(char *record, Fault fault)
{
    if (fault == Fault::LengthAboveCapacity) {
        record[0] = char(0xFF);  // NumRic, capacity 30
        record[ReceiptRecordLayout::offsets()[ReceiptRecordLayout::indexOf(u"Cliente")]] = char(0xFF);
        return;
    }
    // Still a March date by its characters, so the summaries reach it.
    writeField(record, "Data", QStringLiteral("32/03/2025"));
    writeField(record, "TotCorrispettivi", QStringLiteral("dodici"));
    writeField(record, "Prezzo01", QStringLiteral("1.234,5"));
}

QString io(MessageKind kind) { return message(kind, ArchiveTexts::ioFailure()); }
const QString kEmpty = message(MessageKind::Information, ArchiveTexts::emptyArchive());
const QString kInserted = message(MessageKind::Information, QStringLiteral("La scheda corrente è stata inserita in archivio."));
const QString kModified = message(MessageKind::Information,
                                  QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
const QString kBadDate = message(MessageKind::Warning,
                                 QStringLiteral("Attenzione: la data indicata non esiste.\n\r\n\rPer poter salvare la scheda "
                                                "è necessario indicare una data valida nel formato gg/mm/anno."));

} // namespace

class TestReceiptFaults : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        ExportModule::registerDialogs();
        ReceiptsModule::registerDialogs();
        ReceiptSummariesModule::registerDialogs();
    }
    void operations_data();
    void operations();
    void exportOnFullDisk();
};

void TestReceiptFaults::operations_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("button");     // pressed in turn, joined by '+'
    QTest::addColumn<QString>("from");        // lblPosizione before
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("position");    // after; "same": every control as it was
    QTest::addColumn<QString>("check");       // "control=text", or "rows=N" of the dialog's list
    QTest::addColumn<QString>("archive");

    const QStringList none;
    struct Op
    {
        const char *buttons;
        const char *from;
        QStringList unreachable;  // what an archive that cannot be opened gives
        const char *rows;         // the list of a dialog then, or ""
    };
    const QStringList error{io(MessageKind::Error)};
    const QStringList warning{io(MessageKind::Warning)};
    // Save and First report as warnings, the other buttons as errors; the
    // search in a plain box; summaries and export do not pass an unreadable
    // archive for an empty one.
    const Op everyOperation[] = {
        {"cmdNuovo", "2", error, ""},           {"cmdSalva", "", warning, ""},
        {"cmdSalva", "2", warning, ""},         {"cmdPrimo", "1", warning, ""},
        {"cmdIndietro", "3", error, ""},        {"cmdAvanti", "1", error, ""},
        {"cmdUltimo", "1", error, ""},          {"cmdTrova", "2", {io(MessageKind::Plain)}, "rows=0"},
        {"cmdSospese", "2", error, "rows=0"},   {"cmdRiepMensile", "2", error, "rows=0"},
        {"cmdRiepAnnuale", "2", error, "rows=0"}, {"cmdEsporta", "2", error, "rows=10"},
    };
    auto name = [](const char *fault, const Op &op) {
        const QByteArray suffix = QByteArray(op.buttons) == "cmdSalva" ? (*op.from ? " stored" : " new") : "";
        return QByteArray(QByteArray(fault) + ' ' + op.buttons + suffix);
    };
    for (const Op &op : everyOperation)
        QTest::newRow(name("archive a directory", op).constData())
            << Fault::ArchiveIsDirectory << op.buttons << op.from << op.unreachable << "same" << op.rows << "same";

    // A read-only archive is browsed and summed up as usual; only saving is refused.
    QTest::newRow("archive read-only cmdSalva new") << Fault::ArchiveReadOnly << "cmdSalva" << "" << warning << "same" << "" << "same";
    QTest::newRow("archive read-only cmdSalva stored") << Fault::ArchiveReadOnly << "cmdSalva" << "2" << warning << "same" << "" << "same";
    QTest::newRow("archive read-only cmdNuovo") << Fault::ArchiveReadOnly << "cmdNuovo" << "2" << none << "" << "txtNumRic=4" << "same";
    QTest::newRow("archive read-only cmdPrimo") << Fault::ArchiveReadOnly << "cmdPrimo" << "3" << none << "1" << "txtCliente=ROSSI" << "same";
    QTest::newRow("archive read-only cmdIndietro") << Fault::ArchiveReadOnly << "cmdIndietro" << "3" << none << "2" << "txtCliente=BIANCHI" << "same";
    QTest::newRow("archive read-only cmdAvanti") << Fault::ArchiveReadOnly << "cmdAvanti" << "1" << none << "2" << "txtCliente=BIANCHI" << "same";
    QTest::newRow("archive read-only cmdUltimo") << Fault::ArchiveReadOnly << "cmdUltimo" << "1" << none << "3" << "txtCliente=VERDI" << "same";
    for (const char *list : {"cmdTrova", "cmdSospese", "cmdRiepMensile", "cmdRiepAnnuale", "cmdEsporta"})
        QTest::newRow(qPrintable(u"archive read-only " + QLatin1StringView(list))) << Fault::ArchiveReadOnly << list << "" << none << "same" << "rows=3" << "same";
    // A folder that cannot hold a new archive reads as an empty one.
    QTest::newRow("folder read-only cmdSalva new") << Fault::FolderReadOnly << "cmdSalva" << "" << warning << "same" << "" << "absent";
    QTest::newRow("folder read-only cmdNuovo") << Fault::FolderReadOnly << "cmdNuovo" << "2" << none << "" << "txtNumRic=1" << "absent";
    QTest::newRow("folder read-only cmdUltimo") << Fault::FolderReadOnly << "cmdUltimo" << "1" << QStringList{kEmpty} << "same" << "" << "absent";
    for (const auto &[list, rows] : {std::pair{"cmdTrova", "rows=0"}, {"cmdSospese", "rows=0"}, {"cmdRiepMensile", "rows=0"},
                                     {"cmdRiepAnnuale", "rows=0"}, {"cmdEsporta", "rows=10"}})
        QTest::newRow(qPrintable(u"folder read-only " + QLatin1StringView(list))) << Fault::FolderReadOnly << list << "" << none << "same" << rows << "absent";

    QTest::newRow("archive missing cmdNuovo") << Fault::ArchiveMissing << "cmdNuovo" << "2" << none << "" << "txtNumRic=1" << "empty";
    QTest::newRow("archive missing cmdSalva") << Fault::ArchiveMissing << "cmdSalva" << "" << QStringList{kInserted} << "1" << "txtNumRic=9" << "appended";
    QTest::newRow("archive missing cmdUltimo") << Fault::ArchiveMissing << "cmdUltimo" << "1" << QStringList{kEmpty} << "same" << "" << "empty";
    QTest::newRow("archive missing cmdTrova") << Fault::ArchiveMissing << "cmdTrova" << "" << none << "same" << "rows=0" << "empty";
    QTest::newRow("archive missing cmdRiepMensile") << Fault::ArchiveMissing << "cmdRiepMensile" << "" << none << "same" << "rows=0" << "empty";

    QTest::newRow("disk full cmdSalva new") << Fault::DiskFull << "cmdSalva" << "" << warning << "same" << "" << "same";
    QTest::newRow("disk full mid-record cmdSalva new") << Fault::DiskFullMidRecord << "cmdSalva" << "" << warning << "same" << "" << "same";
    QTest::newRow("disk full cmdSalva stored") << Fault::DiskFull << "cmdSalva" << "2" << QStringList{kModified} << "2" << "txtCliente=MODIFICATO" << "rewrote 2";

    QTest::newRow("torn tail cmdNuovo") << Fault::TruncatedTail << "cmdNuovo" << "2" << none << "" << "txtNumRic=4" << "same";
    QTest::newRow("torn tail cmdUltimo") << Fault::TruncatedTail << "cmdUltimo" << "1" << none << "3" << "txtCliente=VERDI" << "same";
    QTest::newRow("torn tail cmdSalva new") << Fault::TruncatedTail << "cmdSalva" << "" << QStringList{kInserted} << "4" << "txtNumRic=9" << "appended";
    for (const char *list : {"cmdTrova", "cmdSospese", "cmdRiepMensile", "cmdRiepAnnuale", "cmdEsporta"})
        QTest::newRow(qPrintable(u"torn tail " + QLatin1StringView(list))) << Fault::TruncatedTail << list << "" << none << "same" << "rows=3" << "same";

    QTest::newRow("length byte cmdAvanti") << Fault::LengthAboveCapacity << "cmdAvanti" << "1" << none << "2" << "txtNumRic=2" << "same";
    QTest::newRow("length byte cmdAvanti and cmdSalva") << Fault::LengthAboveCapacity << "cmdAvanti+cmdSalva" << "1"
                                                        << QStringList{kModified} << "2" << "txtCliente=BIANCHI" << "rewrote 2";
    for (const char *list : {"cmdTrova", "cmdSospese", "cmdRiepMensile", "cmdEsporta"})
        QTest::newRow(qPrintable(u"length byte " + QLatin1StringView(list))) << Fault::LengthAboveCapacity << list << "" << none << "same" << "rows=3" << "same";

    QTest::newRow("bad amount and date cmdIndietro") << Fault::BadAmountAndDate << "cmdIndietro" << "3" << none << "2" << "txtData=32/03/2025" << "same";
    QTest::newRow("bad amount and date cmdAvanti and cmdSalva") << Fault::BadAmountAndDate << "cmdAvanti+cmdSalva" << "1"
                                                                << QStringList{message(MessageKind::Warning, QStringLiteral("Attenzione: l'importo indicato non è valido.\n\r\n\rCorreggere l'importo prima di salvare la scheda."))} << "2" << "txtPrezzo01=1.234,5" << "same";
    // A summary does not add up what it cannot read: it stops at that receipt and says which.
    QTest::newRow("bad amount and date cmdRiepMensile")
        << Fault::BadAmountAndDate << "cmdRiepMensile" << "" << QStringList{message(MessageKind::Warning,
               QStringLiteral("Attenzione: la scheda n. 2 dell'archivio contiene nel campo TotCorrispettivi un valore "
                              "non leggibile (\"dodici\").\n\r\n\rIl riepilogo è stato interrotto."))}
        << "same" << "rows=1" << "same";
    for (const char *list : {"cmdTrova", "cmdSospese", "cmdEsporta"})
        QTest::newRow(qPrintable(u"bad amount and date " + QLatin1StringView(list))) << Fault::BadAmountAndDate << list << "" << none << "same" << "rows=3" << "same";
}

void TestReceiptFaults::operations()
{
    QFETCH(Fault, fault);
    QFETCH(QString, button);
    QFETCH(QString, from);

    TempDataDir dir;
    MessageRecorder recorder;
    Scene scene(dir.path(), kArchive, kSize, fault, ReceiptFixtures::archiveOf({QStringLiteral("ROSSI"), QStringLiteral("BIANCHI"), QStringLiteral("VERDI")}), 1, spoil);
    TfrmRicevute window;
    AppWindows::add(&window);
    TestSupport::setText(&window, QStringLiteral("lblFile"), scene.archive());
    TestSupport::setText(&window, QStringLiteral("lblAnno"), QStringLiteral("2025"));
    window.show();
    // A receipt on screen, as if shown before the fault struck.
    const bool editing = button == u"cmdSalva" && !from.isEmpty();
    TestSupport::setText(&window, QStringLiteral("txtCliente"), editing ? QStringLiteral("MODIFICATO") : QStringLiteral("SCHERMO"));
    TestSupport::setText(&window, QStringLiteral("txtNumRic"), QStringLiteral("9"));
    TestSupport::setText(&window, QStringLiteral("txtData"), QStringLiteral("15/06/2025"));
    TestSupport::setText(&window, QStringLiteral("lblPosizione"), from);
    TestSupport::click(&window, QStringLiteral("cmdCalcola"));  // Save computes the totals first
    pressAndCheck(&window, recorder, scene, kSize);
    AppWindows::clear();
}

// The spreadsheet that does not fit on the disk is a failure, not a success.
void TestReceiptFaults::exportOnFullDisk()
{
    TempDataDir dir;
    MessageRecorder recorder;
    ShellRecorder shell;
    const QByteArray stored = ReceiptFixtures::archiveOf({QStringLiteral("ROSSI"), QStringLiteral("BIANCHI")});
    dir.writeBytes(kArchive, stored);
    TfrmRicevute window;
    AppWindows::add(&window);
    TestSupport::setText(&window, QStringLiteral("lblFile"), dir.file(kArchive));
    ModalScript dialogs;
    dialogs.then([](QDialog *d) {
        d->show();
        TestSupport::click(d, QStringLiteral("cmdEsporta"));
        return int(QDialog::Rejected);
    });
    withFileSizeLimit(1024, [&] { TestSupport::click(&window, QStringLiteral("cmdEsporta")); });
    AppWindows::clear();
    QVERIFY(shell.commands.isEmpty());
    QCOMPARE(FaultKit::messages(recorder),
             QStringList({message(MessageKind::Confirmation,
                                  QStringLiteral("L'esportazione dei dati in Excel può richiedere diversi minuti a seconda "
                                                 "del numero di schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?")),
                          message(MessageKind::Plain, QStringLiteral("Attenzione: il sistema non permette di esportare i dati."
                                                                     "\n\r\n\rAccertarsi che il file di Excel non sia già aperto."))}));
    QCOMPARE(dir.readBytes(kArchive), stored);
}

QTEST_MAIN(TestReceiptFaults)
#include "tst_receipt_faults.moc"

// The register window's archive operations on broken, missing, full and
// read-only archives: the right message, the window as it was, and not a
// byte of what is stored lost.
#include "Archives.h"
#include "FaultKit.h"
#include "RegisterFixture.h"
#include "StoredCards.h"
#include "export/ExportModule.h"
#include "storage/ArchiveTexts.h"

using namespace FaultKit;

namespace {

constexpr int kSize = RegisterRecordLayout::size;

void writeField(char *record, const char *name, const QString &text)
{
    const int i = RegisterRecordLayout::indexOf(QString::fromLatin1(name));
    ShortText::write(record + RegisterRecordLayout::offsets()[i], RegisterRecordLayout::fields[i].capacity, text);
}

void spoil(char *record, Fault fault)
{
    if (fault == Fault::LengthAboveCapacity) {
        record[0] = char(0xFF);  // NumScheda, capacity 30
        record[RegisterRecordLayout::offsets()[RegisterRecordLayout::indexOf(u"Cliente")]] = char(0xFF);
        return;
    }
    writeField(record, "Importo", QStringLiteral("dodici"));
    writeField(record, "Data", QStringLiteral("31/02/2025"));
    writeField(record, "PrezzoVen", QStringLiteral("1.234,5"));
}

const QString kIo = message(MessageKind::Error, ArchiveTexts::ioFailure());
const QString kEmpty = message(MessageKind::Information, ArchiveTexts::emptyArchive());
const QString kInserted = message(MessageKind::Information, QStringLiteral("La scheda corrente è stata inserita in archivio."));
const QString kModified = message(MessageKind::Information,
                                  QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));

} // namespace

class TestRegisterFaults : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { ExportModule::registerDialogs(); }
    void operations_data();
    void operations();
};

void TestRegisterFaults::operations_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("button");      // pressed in turn, joined by '+'
    QTest::addColumn<QString>("from");        // lblPosizione before
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("position");    // after; "same": every control as it was
    QTest::addColumn<QString>("check");       // "control=text" after, or "rows=N" of the export grid
    QTest::addColumn<QString>("archive");

    const QStringList io{kIo};
    const QStringList none;
    struct Op
    {
        const char *button;
        const char *from;
    };
    const Op everyOperation[] = {{"cmdNuovo", "2"}, {"cmdSalva", ""}, {"cmdSalva", "2"}, {"cmdPrimo", "1"},
                                 {"cmdIndietro", "3"}, {"cmdAvanti", "1"}, {"cmdUltimo", "1"}, {"cmdEsporta", "2"}};
    auto name = [](const char *fault, const Op &op) {
        const QByteArray suffix = QByteArray(op.button) == "cmdSalva" ? (*op.from ? " stored" : " new") : "";
        return QByteArray(QByteArray(fault) + ' ' + op.button + suffix);
    };
    for (const Op &op : everyOperation)
        QTest::newRow(name("archive a directory", op).constData()) << Fault::ArchiveIsDirectory << op.button << op.from << io << "same" << "" << "same";

    // A read-only archive is browsed as usual; only saving is refused.
    QTest::newRow("archive read-only cmdSalva new") << Fault::ArchiveReadOnly << "cmdSalva" << "" << io << "same" << "" << "same";
    QTest::newRow("archive read-only cmdSalva stored") << Fault::ArchiveReadOnly << "cmdSalva" << "2" << io << "same" << "" << "same";
    QTest::newRow("archive read-only cmdNuovo") << Fault::ArchiveReadOnly << "cmdNuovo" << "2" << none << "" << "txtNumScheda=4" << "same";
    QTest::newRow("archive read-only cmdPrimo") << Fault::ArchiveReadOnly << "cmdPrimo" << "3" << none << "1" << "txtCliente=ROSSI MARIO" << "same";
    QTest::newRow("archive read-only cmdIndietro") << Fault::ArchiveReadOnly << "cmdIndietro" << "3" << none << "2" << "txtCliente=BIANCHI LUIGI" << "same";
    QTest::newRow("archive read-only cmdAvanti") << Fault::ArchiveReadOnly << "cmdAvanti" << "1" << none << "2" << "txtCliente=BIANCHI LUIGI" << "same";
    QTest::newRow("archive read-only cmdUltimo") << Fault::ArchiveReadOnly << "cmdUltimo" << "1" << none << "3" << "txtCliente=VERDI ANNA" << "same";
    QTest::newRow("archive read-only cmdEsporta") << Fault::ArchiveReadOnly << "cmdEsporta" << "" << none << "same" << "rows=3" << "same";
    // A folder that cannot hold a new archive reads as an empty one.
    QTest::newRow("folder read-only cmdSalva new") << Fault::FolderReadOnly << "cmdSalva" << "" << io << "same" << "" << "absent";
    QTest::newRow("folder read-only cmdNuovo") << Fault::FolderReadOnly << "cmdNuovo" << "2" << none << "" << "txtNumScheda=1" << "absent";
    QTest::newRow("folder read-only cmdPrimo") << Fault::FolderReadOnly << "cmdPrimo" << "1" << QStringList{kEmpty} << "same" << "" << "absent";
    QTest::newRow("folder read-only cmdAvanti") << Fault::FolderReadOnly << "cmdAvanti" << "1" << QStringList{kEmpty} << "" << "txtCliente=SCHERMO" << "absent";
    QTest::newRow("folder read-only cmdEsporta") << Fault::FolderReadOnly << "cmdEsporta" << "" << none << "same" << "rows=10" << "absent";

    QTest::newRow("archive missing cmdNuovo") << Fault::ArchiveMissing << "cmdNuovo" << "2" << none << "" << "txtNumScheda=1" << "empty";
    QTest::newRow("archive missing cmdSalva") << Fault::ArchiveMissing << "cmdSalva" << "" << QStringList{kInserted} << "1" << "txtNumScheda=9" << "appended";
    QTest::newRow("archive missing cmdPrimo") << Fault::ArchiveMissing << "cmdPrimo" << "1" << QStringList{kEmpty} << "same" << "" << "empty";
    QTest::newRow("archive missing cmdAvanti") << Fault::ArchiveMissing << "cmdAvanti" << "1" << QStringList{kEmpty} << "" << "txtCliente=SCHERMO" << "empty";
    QTest::newRow("archive missing cmdEsporta") << Fault::ArchiveMissing << "cmdEsporta" << "" << none << "same" << "rows=10" << "empty";

    QTest::newRow("disk full cmdSalva new") << Fault::DiskFull << "cmdSalva" << "" << io << "same" << "" << "same";
    QTest::newRow("disk full mid-record cmdSalva new") << Fault::DiskFullMidRecord << "cmdSalva" << "" << io << "same" << "" << "same";
    QTest::newRow("disk full cmdSalva stored") << Fault::DiskFull << "cmdSalva" << "2" << QStringList{kModified} << "2" << "txtCliente=MODIFICATO" << "rewrote 2";

    QTest::newRow("torn tail cmdNuovo") << Fault::TruncatedTail << "cmdNuovo" << "2" << none << "" << "txtNumScheda=4" << "same";
    QTest::newRow("torn tail cmdUltimo") << Fault::TruncatedTail << "cmdUltimo" << "1" << none << "3" << "txtCliente=VERDI ANNA" << "same";
    QTest::newRow("torn tail cmdAvanti at the last") << Fault::TruncatedTail << "cmdAvanti" << "3" << none << "same" << "" << "same";
    QTest::newRow("torn tail cmdSalva new") << Fault::TruncatedTail << "cmdSalva" << "" << QStringList{kInserted} << "4" << "txtNumScheda=9" << "appended";
    QTest::newRow("torn tail cmdEsporta") << Fault::TruncatedTail << "cmdEsporta" << "" << none << "same" << "rows=3" << "same";

    QTest::newRow("length byte cmdAvanti") << Fault::LengthAboveCapacity << "cmdAvanti" << "1" << none << "2" << "txtNumScheda=2" << "same";
    QTest::newRow("length byte cmdIndietro") << Fault::LengthAboveCapacity << "cmdIndietro" << "3" << none << "2" << "txtCliente=BIANCHI LUIGI" << "same";
    // Stored again, the card gets length bytes that fit; nothing else of it changes.
    QTest::newRow("length byte cmdAvanti and cmdSalva") << Fault::LengthAboveCapacity << "cmdAvanti+cmdSalva" << "1"
                                                        << QStringList{kModified} << "2" << "txtCliente=BIANCHI LUIGI" << "rewrote 2";
    QTest::newRow("length byte cmdEsporta") << Fault::LengthAboveCapacity << "cmdEsporta" << "" << none << "same" << "rows=3" << "same";

    QTest::newRow("bad amount and date cmdAvanti") << Fault::BadAmountAndDate << "cmdAvanti" << "1" << none << "2" << "txtImporto=dodici" << "same";
    QTest::newRow("bad amount and date cmdIndietro") << Fault::BadAmountAndDate << "cmdIndietro" << "3" << none << "2" << "txtData=31/02/2025" << "same";
    // Save refuses an amount it cannot read and leaves the card as it was stored.
    QTest::newRow("bad amount and date cmdAvanti and cmdSalva") << Fault::BadAmountAndDate << "cmdAvanti+cmdSalva" << "1"
                                                                << QStringList{message(MessageKind::Warning, QStringLiteral("Attenzione: l'importo indicato non è valido.\n\r\n\rCorreggere l'importo prima di salvare la scheda."))} << "2" << "txtImporto=dodici" << "same";
    QTest::newRow("bad amount and date cmdEsporta") << Fault::BadAmountAndDate << "cmdEsporta" << "" << none << "same" << "rows=3" << "same";
}

void TestRegisterFaults::operations()
{
    QFETCH(Fault, fault);
    QFETCH(QString, button);
    QFETCH(QString, from);

    RegisterFixture f;
    Scene scene(f.data.path(), FileNames::registerArchive(), kSize, fault, Archives::bytes(storedCards()), 1, spoil);
    // A card on screen, as if shown before the fault struck.
    f.fillRequired(QStringLiteral("9"));
    f.set(QStringLiteral("txtCliente"), button == u"cmdSalva" && !from.isEmpty() ? QStringLiteral("MODIFICATO")
                                                                               : QStringLiteral("SCHERMO"));
    f.set(QStringLiteral("lblPosizione"), from);
    pressAndCheck(f.window.get(), f.messages, scene, kSize);
}

QTEST_MAIN(TestRegisterFaults)
#include "tst_register_faults.moc"

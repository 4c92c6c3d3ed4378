// The customer window's archive operations on broken, missing, full and
// read-only archives: the right message, the window as it was, and not a
// byte of what is stored lost.
#include "Archives.h"
#include "FaultKit.h"
#include "CustomerFixture.h"
#include "ui/AppWindows.h"
#include "ui/Controls.h"
#include "customers/CustomerWindow.h"
#include "customers/CustomersModule.h"
#include "export/ExportModule.h"
#include "storage/ArchiveTexts.h"
#include "storage/Record.h"

#include <QTest>

using namespace FaultKit;

namespace {

constexpr int kSize = CustomerRecordLayout::size;

QByteArray storedCards()
{
    QList<CustomerRecord> cards;
    const char *surnames[] = {"ROSSI", "BIANCHI", "VERDI"};
    for (const char *surname : surnames)
        cards.append(CustomerFixture::card(QLatin1StringView(surname), QStringLiteral("ANNA")));
    return Archives::bytes(cards);
}

void writeField(char *record, const char *name, const QString &text)
{
    const int i = CustomerRecordLayout::indexOf(QString::fromLatin1(name));
    ShortText::write(record + CustomerRecordLayout::offsets()[i], CustomerRecordLayout::fields[i].capacity, text);
}

void spoil(char *record, Fault fault)
{
    if (fault == Fault::LengthAboveCapacity) {
        record[0] = char(0xFF);  // Cognome, capacity 50
        record[CustomerRecordLayout::offsets()[CustomerRecordLayout::indexOf(u"Nome")]] = char(0xFF);
        return;
    }
    writeField(record, "Totale", QStringLiteral("dodici"));
    writeField(record, "Decorrenza", QStringLiteral("31/02/2025"));
}

// The customer window on a fresh data folder, as the program's single instance.
struct Fixture
{
    Fixture()
    {
        window = std::make_unique<TfrmAnagrafica>();
        AppWindows::add(window.get());
        window->show();
    }
    ~Fixture() { AppWindows::clear(); }
    void set(const QString &name, const QString &value) const { TestSupport::setText(window.get(), name, value); }

    TempDataDir data;
    MessageRecorder messages;
    std::unique_ptr<TfrmAnagrafica> window;
};

const QString kIo = message(MessageKind::Error, ArchiveTexts::ioFailure());
const QString kEmpty = message(MessageKind::Information, ArchiveTexts::emptyArchive());
const QString kInserted = message(MessageKind::Information, QStringLiteral("La scheda corrente è stata inserita in archivio."));
const QString kModified = message(MessageKind::Information,
                                  QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));

} // namespace

class TestCustomerFaults : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        CustomersModule::registerDialogs();
        ExportModule::registerDialogs();
    }
    void operations_data();
    void operations();
};

void TestCustomerFaults::operations_data()
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
    // New only clears the window: it reads nothing (its row is below).
    const Op everyOperation[] = {{"cmdSalva", ""}, {"cmdSalva", "2"}, {"cmdPrimo", "1"},
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
    QTest::newRow("archive read-only cmdNuovo") << Fault::ArchiveReadOnly << "cmdNuovo" << "2" << none << "" << "txtCognome=" << "same";
    QTest::newRow("archive read-only cmdPrimo") << Fault::ArchiveReadOnly << "cmdPrimo" << "3" << none << "1" << "txtCognome=ROSSI" << "same";
    QTest::newRow("archive read-only cmdIndietro") << Fault::ArchiveReadOnly << "cmdIndietro" << "3" << none << "2" << "txtCognome=BIANCHI" << "same";
    QTest::newRow("archive read-only cmdAvanti") << Fault::ArchiveReadOnly << "cmdAvanti" << "1" << none << "2" << "txtCognome=BIANCHI" << "same";
    QTest::newRow("archive read-only cmdUltimo") << Fault::ArchiveReadOnly << "cmdUltimo" << "1" << none << "3" << "txtCognome=VERDI" << "same";
    QTest::newRow("archive read-only cmdEsporta") << Fault::ArchiveReadOnly << "cmdEsporta" << "" << none << "same" << "rows=3" << "same";
    // A folder that cannot hold a new archive reads as an empty one.
    QTest::newRow("folder read-only cmdSalva new") << Fault::FolderReadOnly << "cmdSalva" << "" << io << "same" << "" << "absent";
    QTest::newRow("folder read-only cmdPrimo") << Fault::FolderReadOnly << "cmdPrimo" << "1" << QStringList{kEmpty} << "same" << "" << "absent";
    QTest::newRow("folder read-only cmdAvanti") << Fault::FolderReadOnly << "cmdAvanti" << "1" << QStringList{kEmpty} << "" << "txtCognome=SCHERMO" << "absent";
    QTest::newRow("folder read-only cmdEsporta") << Fault::FolderReadOnly << "cmdEsporta" << "" << none << "same" << "rows=10" << "absent";

    QTest::newRow("archive missing cmdNuovo") << Fault::ArchiveMissing << "cmdNuovo" << "2" << none << "" << "txtCognome=" << "absent";
    QTest::newRow("archive missing cmdSalva") << Fault::ArchiveMissing << "cmdSalva" << "" << QStringList{kInserted} << "1" << "txtCognome=SCHERMO" << "appended";
    QTest::newRow("archive missing cmdPrimo") << Fault::ArchiveMissing << "cmdPrimo" << "1" << QStringList{kEmpty} << "same" << "" << "empty";
    QTest::newRow("archive missing cmdAvanti") << Fault::ArchiveMissing << "cmdAvanti" << "1" << QStringList{kEmpty} << "" << "txtCognome=SCHERMO" << "empty";
    QTest::newRow("archive missing cmdEsporta") << Fault::ArchiveMissing << "cmdEsporta" << "" << none << "same" << "rows=10" << "empty";

    QTest::newRow("disk full cmdSalva new") << Fault::DiskFull << "cmdSalva" << "" << io << "same" << "" << "same";
    QTest::newRow("disk full mid-record cmdSalva new") << Fault::DiskFullMidRecord << "cmdSalva" << "" << io << "same" << "" << "same";
    QTest::newRow("disk full cmdSalva stored") << Fault::DiskFull << "cmdSalva" << "2" << QStringList{kModified} << "2" << "txtCognome=MODIFICATO" << "rewrote 2";

    QTest::newRow("torn tail cmdUltimo") << Fault::TruncatedTail << "cmdUltimo" << "1" << none << "3" << "txtCognome=VERDI" << "same";
    QTest::newRow("torn tail cmdAvanti at the last") << Fault::TruncatedTail << "cmdAvanti" << "3" << none << "same" << "" << "same";
    QTest::newRow("torn tail cmdSalva new") << Fault::TruncatedTail << "cmdSalva" << "" << QStringList{kInserted} << "4" << "txtCognome=SCHERMO" << "appended";
    QTest::newRow("torn tail cmdEsporta") << Fault::TruncatedTail << "cmdEsporta" << "" << none << "same" << "rows=3" << "same";

    QTest::newRow("length byte cmdAvanti") << Fault::LengthAboveCapacity << "cmdAvanti" << "1" << none << "2" << "txtCognome=BIANCHI" << "same";
    QTest::newRow("length byte cmdIndietro") << Fault::LengthAboveCapacity << "cmdIndietro" << "3" << none << "2" << "txtNome=ANNA" << "same";
    // Stored again, the card gets length bytes that fit; nothing else of it changes.
    QTest::newRow("length byte cmdAvanti and cmdSalva") << Fault::LengthAboveCapacity << "cmdAvanti+cmdSalva" << "1"
                                                        << QStringList{kModified} << "2" << "txtCognome=BIANCHI" << "rewrote 2";
    QTest::newRow("length byte cmdEsporta") << Fault::LengthAboveCapacity << "cmdEsporta" << "" << none << "same" << "rows=3" << "same";

    QTest::newRow("bad amount and date cmdAvanti") << Fault::BadAmountAndDate << "cmdAvanti" << "1" << none << "2" << "txtTotale=dodici" << "same";
    QTest::newRow("bad amount and date cmdIndietro") << Fault::BadAmountAndDate << "cmdIndietro" << "3" << none << "2" << "txtDecorrenza=31/02/2025" << "same";
    // Save refuses the amount it cannot read first, and the card as it stands.
    QTest::newRow("bad amount and date cmdAvanti and cmdSalva") << Fault::BadAmountAndDate << "cmdAvanti+cmdSalva" << "1"
        << QStringList{message(MessageKind::Warning, QStringLiteral("Attenzione: l'importo indicato non è valido.\n\r\n\rCorreggere l'importo prima di salvare la scheda."))} << "2" << "txtTotale=dodici" << "same";
    QTest::newRow("bad amount and date cmdEsporta") << Fault::BadAmountAndDate << "cmdEsporta" << "" << none << "same" << "rows=3" << "same";
}

void TestCustomerFaults::operations()
{
    QFETCH(Fault, fault);
    QFETCH(QString, button);
    QFETCH(QString, from);

    Fixture f;
    Scene scene(f.data.path(), FileNames::customerArchive(), kSize, fault, storedCards(), 1, spoil);
    // A card on screen, as if shown before the fault struck.
    f.set(QStringLiteral("txtCognome"), button == u"cmdSalva" && !from.isEmpty() ? QStringLiteral("MODIFICATO")
                                                                               : QStringLiteral("SCHERMO"));
    f.set(QStringLiteral("txtNome"), QStringLiteral("ANNA"));
    f.set(QStringLiteral("lblPosizione"), from);
    pressAndCheck(f.window.get(), f.messages, scene, kSize);
}

QTEST_MAIN(TestCustomerFaults)
#include "tst_customer_faults.moc"

// valtrena-bench: every whole-archive operation of the program, through its
// window, timed against the raw reading of the same generated archive.
#include "ArchiveGenerator.h"
#include "BenchBook.h"
#include "BenchOperations.h"
#include "BenchOptions.h"
#include "BenchProbe.h"
#include "BenchStartup.h"
#include "BenchTable.h"
#include "app/Startup.h"
#include "customers/CustomerRecord.h"
#include "receipts/ReceiptArchive.h"
#include "receipts/ReceiptRecord.h"
#include "register/RegisterRecord.h"
#include "storage/DataFolder.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <cstring>
#include <optional>

namespace {

using namespace BenchOperations;

constexpr double kSearchBound = 2.0;
constexpr double kExportBound = 3.0;
constexpr double kStartupBound = 1.5;

QString megabytes(const QString &path)
{
    return QString::number(double(QFileInfo(path).size()) / (1 << 20), 'f', 1) + QStringLiteral(" MB");
}

// Writes an archive unless the folder already holds one of that many records
// (the generator is seeded, so the same count gives the same file).
void ensureArchive(QTextStream &out, const QString &path, int count, int recordSize,
                   const std::function<void()> &generate)
{
    if (QFileInfo(path).size() == qint64(count) * recordSize)
        return;
    out << "writing " << count << " records to " << path << '\n';
    out.flush();
    generate();
}

Archives prepareArchives(QTextStream &out, const BenchOptions &options)
{
    Archives a;
    a.receiptYear = QStringLiteral("2024");
    a.payoutYear = QStringLiteral("2020");
    a.registerPath = DataFolder::file(FileNames::registerArchive());
    a.registerCards = options.registerCards;
    a.customerPath = DataFolder::file(FileNames::customerArchive());
    a.customers = options.customers;
    a.receiptPath = ReceiptArchive::path(a.receiptYear);
    a.receipts = options.receipts;
    ensureArchive(out, a.registerPath, a.registerCards, RegisterRecordLayout::size,
                  [&] { ArchiveGenerator::writeRegister(a.registerPath, a.registerCards); });
    ensureArchive(out, a.customerPath, a.customers, CustomerRecordLayout::size,
                  [&] { ArchiveGenerator::writeCustomers(a.customerPath, a.customers); });
    ensureArchive(out, a.receiptPath, a.receipts, ReceiptRecordLayout::size,
                  [&] { ArchiveGenerator::writeReceipts(a.receiptPath, a.receipts, a.receiptYear.toInt()); });
    // In a folder of their own: the data folder keeps no photo files, so
    // that the compliance list there looks them up and finds none.
    a.photoFolder = DataFolder::file(QStringLiteral("bench-photos"));
    QDir photos(a.photoFolder);
    if (!photos.exists(QStringLiteral("Foto_B_%1.jpg").arg(a.registerCards))
        || photos.exists(QStringLiteral("Foto_A_%1.jpg").arg(a.registerCards + 1))) {
        out << "writing the photo files of " << a.registerCards << " cards to " << a.photoFolder << '\n';
        out.flush();
        photos.removeRecursively();
        QString error;
        if (!ArchiveGenerator::writePhotos(a.photoFolder, a.registerCards, &error))
            QTextStream(stderr) << error << '\n';
    }
    return a;
}

BenchRow measure(const Operation &op, int runs)
{
    BenchRow row;
    row.operation = op.name;
    row.records = op.records;
    row.bound = op.kind == Kind::Export ? kExportBound : op.kind == Kind::Measured ? 0 : kSearchBound;

    BenchProbe::rawRead(op.archive);  // the page cache holds the archive from here on
    std::optional<Trial> trial;
    Outcome outcome;
    BenchProbe::resetPeak();
    const qint64 before = BenchProbe::residentBytes();
    const auto timeOperation = [&] {
        return BenchProbe::best(
            1, [&] { trial->act(); }, [&] { trial = op.prepare(); },
            [&] {
                outcome = trial->outcome();
                trial.reset();
            });
    };
    const QString scratch = DataFolder::file(QStringLiteral("bench-raw-write.tmp"));
    const auto timeFloor = [&] {
        double ms = BenchProbe::rawRead(op.archive);
        // An export reads its archive and writes its file: both are its floor.
        if (op.kind == Kind::Export)
            ms += BenchProbe::rawWrite(scratch, outcome.outputBytes);
        return ms;
    };
    // The operation and its floor take turns, so that both meet the same
    // load on a shared machine; each keeps its best time.
    row.ms = timeOperation();
    row.rawMs = timeFloor();
    for (int i = 1; i < runs; ++i) {
        row.ms = qMin(row.ms, timeOperation());
        row.rawMs = qMin(row.rawMs, timeFloor());
    }
    row.peakBytes = BenchProbe::peakBytes();  // the floor's buffers are reused, never grown
    row.growthBytes = row.peakBytes - before;
    row.lines = outcome.lines;
    row.shownBytes = outcome.shownBytes;
    row.failure = outcome.failure;
    QFile::remove(scratch);
    if (!outcome.outputPath.isEmpty())
        QFile::remove(outcome.outputPath);
    return row;
}

BenchRow measureStartup(int runs, const QString &folder)
{
    BenchRow row;
    row.operation = QStringLiteral("start-up to the login window");
    row.records = row.lines = row.peakBytes = row.growthBytes = row.shownBytes = -1;
    row.bound = kStartupBound;
    QString error;
    if (const auto times = BenchStartup::measure(runs, folder, &error)) {
        row.ms = times->program;
        row.rawMs = times->minimal;  // the one-window Qt program
    } else {
        row.failure = error;
    }
    return row;
}

} // namespace

// The offscreen platform notes every window it cannot size; nothing to see here.
QtMessageHandler standardMessages = nullptr;

void quietOffscreenNotes(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QStringLiteral("propagateSizeHints")))
        return;
    if (standardMessages)
        standardMessages(type, context, message);
    else
        QTextStream(stderr) << message << '\n';
}

int main(int argc, char *argv[])
{
    if (argc > 1 && std::strcmp(argv[1], BenchStartup::kProbeOption) == 0)
        return BenchStartup::probe(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES"))
        qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");  // the offscreen platform's notes

    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    standardMessages = qInstallMessageHandler(quietOffscreenNotes);
    QTextStream out(stdout);
    QString error;
    const auto options = BenchOptions::parse(QApplication::arguments(), &error);
    if (!options) {
        QTextStream(stderr) << error << '\n' << BenchOptions::usage();
        return 2;
    }
    Startup::setUpApplication();

    QTemporaryDir temporary;
    const QString folder = options->folder.isEmpty() ? temporary.path() : QDir(options->folder).absolutePath();
    if (!QDir().mkpath(folder)) {
        QTextStream(stderr) << "cannot use the folder " << folder << '\n';
        return 2;
    }
    DataFolder::set(folder);
    const Archives archives = prepareArchives(out, *options);

    const QList<QWidget *> windows = Startup::createAreaWindows();
    BenchOperations::setUp(archives);

    out << "valtrena-bench: " << archives.registerCards << " register cards (" << megabytes(archives.registerPath)
        << "), " << archives.customers << " customers (" << megabytes(archives.customerPath) << "), "
        << archives.receipts << " receipts (" << megabytes(archives.receiptPath) << "); best of " << options->runs
        << " runs; " << QThread::idealThreadCount() << " cores\n";
    out << "ratio: ms over the raw sequential read of the archive (exports: read + write of the file written; "
           "start-up: a one-window Qt program)\n\n";
    out.flush();

    QList<BenchRow> rows;
    for (const Operation &op : BenchOperations::all(archives))
        if (op.name.contains(options->only))
            rows.append(measure(op, options->runs));
    if (options->startup && QStringLiteral("start-up").contains(options->only))
        rows.append(measureStartup(options->runs, folder));
    printBenchTable(out, rows);
    BenchBook::run(out, options->runs, options->only);
    qDeleteAll(windows);
    return 0;
}

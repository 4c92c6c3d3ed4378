#include "BenchTable.h"

namespace {

QString megabytes(qint64 bytes) { return QString::number(double(bytes) / (1 << 20), 'f', 1); }

QString cell(const QString &text, int width) { return text.rightJustified(width); }

QString count(qint64 n) { return n < 0 ? QStringLiteral("-") : QString::number(n); }

} // namespace

void printBenchTable(QTextStream &out, const QList<BenchRow> &rows)
{
    constexpr int kName = 36;
    out << QStringLiteral("operation").leftJustified(kName) << cell(QStringLiteral("records"), 9)
        << cell(QStringLiteral("lines"), 9) << cell(QStringLiteral("ms"), 9) << cell(QStringLiteral("raw ms"), 9)
        << cell(QStringLiteral("ratio"), 7) << cell(QStringLiteral("bound"), 7) << cell(QStringLiteral("peak MB"), 9)
        << cell(QStringLiteral("+MB"), 8) << cell(QStringLiteral("shown MB"), 10) << '\n';
    for (const BenchRow &r : rows) {
        out << r.operation.leftJustified(kName) << cell(count(r.records), 9) << cell(count(r.lines), 9)
            << cell(QString::number(r.ms, 'f', 1), 9) << cell(QString::number(r.rawMs, 'f', 1), 9)
            << cell(QString::number(r.ratio(), 'f', 2), 7) << cell(r.bound > 0 ? QString::number(r.bound, 'f', 1) : QStringLiteral("-"), 7)
            << cell(r.peakBytes < 0 ? QStringLiteral("-") : megabytes(r.peakBytes), 9)
            << cell(r.growthBytes < 0 ? QStringLiteral("-") : megabytes(r.growthBytes), 8)
            << cell(r.shownBytes < 0 ? QStringLiteral("-") : megabytes(r.shownBytes), 10) << '\n';
    }
    int within = 0;
    for (const BenchRow &r : rows) {
        if (r.withinBound())
            ++within;
        else if (!r.failure.isEmpty())
            out << "failed: " << r.operation << ": " << QString(r.failure).replace(u'\n', u' ') << '\n';
        else if (r.bound > 0 && r.ratio() > r.bound)
            out << "over bound: " << r.operation << ": " << QString::number(r.ratio(), 'f', 2) << "x > "
                << QString::number(r.bound, 'f', 1) << "x\n";
        else
            out << "over memory bound: " << r.operation << ": +" << megabytes(r.growthBytes) << " MB > 2 x "
                << megabytes(r.shownBytes) << " MB shown + " << megabytes(BenchRow::kWindowAllowance) << " MB\n";
    }
    out << "bench: " << within << " of " << rows.size() << " operations within bound\n";
    out.flush();
}

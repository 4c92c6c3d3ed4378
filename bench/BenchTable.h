#pragma once
#include <QList>
#include <QString>
#include <QTextStream>

// One line of the result table.
struct BenchRow
{
    QString operation;
    qint64 records = 0;
    qint64 lines = 0;
    double ms = 0;
    double rawMs = 0;     // the physical floor the operation is held against
    double bound = 0;     // the ratio it must stay within; 0: none, only reported
    qint64 peakBytes = 0;    // resident high-water mark during the runs
    qint64 growthBytes = 0;  // that mark above the resident size before them
    qint64 shownBytes = 0;   // the lines shown, as the window holds them
    QString failure;

    // Memory may grow by twice the lines shown, plus room for the window
    // itself and its reading buffers.
    static constexpr qint64 kWindowAllowance = 8 << 20;

    double ratio() const { return rawMs > 0 ? ms / rawMs : 0; }
    bool memoryWithinBound() const { return growthBytes <= 2 * qMax<qint64>(shownBytes, 0) + kWindowAllowance; }
    bool withinBound() const { return failure.isEmpty() && (bound <= 0 || ratio() <= bound) && memoryWithinBound(); }
};

// Prints the table, a line for each operation over its bound or failed, and
// last "bench: K of N operations within bound".
void printBenchTable(QTextStream &out, const QList<BenchRow> &rows);

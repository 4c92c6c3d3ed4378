#pragma once
class QString;
class QTextStream;

// The register book and the backup, which write files rather than lists:
// 1,000 cards to PDF without and with their photos, and the zip of that
// folder, each with its time and the size of what it wrote.
namespace BenchBook {
// `only` filters by operation name as for the other operations.
void run(QTextStream &out, int runs, const QString &only);
}

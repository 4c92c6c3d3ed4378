#pragma once
#include <QString>
#include <QtGlobal>
#include <functional>

// The measuring instruments: the physical floor of reading and writing a
// file, wall-clock timing and the process's memory high-water mark.
namespace BenchProbe {

// Reads the whole file into one reused buffer and drops it; milliseconds.
double rawRead(const QString &path);
// Writes `bytes` bytes to `path` (replacing it) in the same large blocks; milliseconds.
double rawWrite(const QString &path, qint64 bytes);

// The shortest of `runs` timings of `act`, in milliseconds; `before` runs
// untimed ahead of each timing and `after` untimed behind it.
double best(int runs, const std::function<void()> &act, const std::function<void()> &before = {},
            const std::function<void()> &after = {});

// Returns freed heap to the system and restarts the high-water mark at the
// present resident size.
void resetPeak();
// Resident set size now and its high-water mark since resetPeak(), in bytes.
qint64 residentBytes();
qint64 peakBytes();

} // namespace BenchProbe

#include "BenchProbe.h"

#include <QElapsedTimer>
#include <QFile>

#include <fcntl.h>
#include <malloc.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr size_t kBlock = 1 << 20;  // as the archive scans read

qint64 statusKb(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray wanted = QByteArray(key) + ':';
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(wanted))
            return line.mid(wanted.size()).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

} // namespace

namespace BenchProbe {

double rawRead(const QString &path)
{
    QElapsedTimer clock;
    clock.start();
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0)
        qFatal("cannot read %s", qPrintable(path));
    static std::vector<char> buffer(kBlock);
    while (::read(fd, buffer.data(), buffer.size()) > 0) {
    }
    ::close(fd);
    return double(clock.nsecsElapsed()) / 1e6;
}

double rawWrite(const QString &path, qint64 bytes)
{
    static const std::vector<char> block(kBlock, 'x');
    QElapsedTimer clock;
    clock.start();
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        qFatal("cannot write %s", qPrintable(path));
    for (qint64 left = bytes; left > 0;) {
        const ssize_t n = ::write(fd, block.data(), size_t(qMin<qint64>(left, qint64(block.size()))));
        if (n <= 0)
            qFatal("write failed on %s", qPrintable(path));
        left -= n;
    }
    ::close(fd);
    return double(clock.nsecsElapsed()) / 1e6;
}

double best(int runs, const std::function<void()> &act, const std::function<void()> &before,
            const std::function<void()> &after)
{
    double shortest = -1;
    for (int i = 0; i < qMax(1, runs); ++i) {
        if (before)
            before();
        QElapsedTimer clock;
        clock.start();
        act();
        const double ms = double(clock.nsecsElapsed()) / 1e6;
        if (after)
            after();
        if (shortest < 0 || ms < shortest)
            shortest = ms;
    }
    return shortest;
}

void resetPeak()
{
    malloc_trim(0);
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

qint64 residentBytes() { return statusKb("VmRSS") * 1024; }

qint64 peakBytes() { return statusKb("VmHWM") * 1024; }

} // namespace BenchProbe

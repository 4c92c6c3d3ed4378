#include "BenchStartup.h"
#include "app/Startup.h"
#include "ui/AppWindows.h"
#include "storage/DataFolder.h"

#include <QApplication>
#include <QEvent>
#include <QProcess>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace BenchStartup {

namespace {

// The monotonic clock every process of the machine shares, in nanoseconds.
qint64 monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

// Prints the clock and leaves without tearing down, on the first paint of
// any widget of the window.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QWidget *window) : QObject(window), m_window(window) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (event->type() == QEvent::Paint && widget && widget->window() == m_window) {
            std::printf("%lld\n", static_cast<long long>(monotonicNs()));
            std::fflush(stdout);
            ::_exit(0);
        }
        return false;
    }

private:
    QWidget *m_window;
};

std::optional<double> timeOne(const QString &program, const QStringList &arguments, QString *error)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    const qint64 started = monotonicNs();
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        process.kill();
        process.waitForFinished();
        *error = program + QStringLiteral(" did not show its window: ")
                 + QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        return std::nullopt;
    }
    bool ok = false;
    const qint64 painted = process.readAllStandardOutput().trimmed().toLongLong(&ok);
    if (!ok) {
        *error = program + QStringLiteral(" printed no time");
        return std::nullopt;
    }
    return double(painted - started) / 1e6;
}

} // namespace

int probe(int argc, char **argv)
{
    // The steps of the program's own main().
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    Startup::setUpApplication();
    DataFolder::configure(QApplication::arguments());
    Startup::createAreaWindows();
    QWidget *login = AppWindows::get(QStringLiteral("TfrmPassword"));
    app.installEventFilter(new FirstPaint(login));
    AppWindows::show(QStringLiteral("TfrmPassword"));
    return app.exec();
}

std::optional<Times> measure(int runs, const QString &dataFolder, QString *error)
{
    const QString self = QCoreApplication::applicationFilePath();
    const QString minimal = QCoreApplication::applicationDirPath() + QStringLiteral("/valtrena-bench-minimal");
    Times best{-1, -1};
    for (int i = 0; i < qMax(1, runs); ++i) {
        const auto program = timeOne(self, {QLatin1StringView(kProbeOption), QStringLiteral("--data-dir"), dataFolder}, error);
        const auto yardstick = timeOne(minimal, {}, error);
        if (!program || !yardstick)
            return std::nullopt;
        best.program = best.program < 0 ? *program : qMin(best.program, *program);
        best.minimal = best.minimal < 0 ? *yardstick : qMin(best.minimal, *yardstick);
    }
    return best;
}

} // namespace BenchStartup

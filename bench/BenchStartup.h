#pragma once
#include <QString>
#include <optional>

// Start-up time: from process start to the login window painted, offscreen,
// against a one-window Qt Widgets program started the same way.
namespace BenchStartup {

// The option that makes valtrena-bench start as the program does.
inline constexpr char kProbeOption[] = "--startup-probe";
// Runs in the child: the program's own start-up, then the time of the first
// paint of the login window on stdout and an immediate exit.
int probe(int argc, char **argv);

struct Times
{
    double program = 0;  // milliseconds, best of the runs
    double minimal = 0;
};
// Starts each program `runs` times with `dataFolder` as the data folder.
std::optional<Times> measure(int runs, const QString &dataFolder, QString *error);

} // namespace BenchStartup

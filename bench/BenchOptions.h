#pragma once
#include <QString>
#include <QStringList>
#include <optional>

// What one benchmark run works on, from its command line.
struct BenchOptions
{
    int registerCards = 100000;
    int customers = 50000;
    int receipts = 20000;
    int runs = 5;           // each timing is the best of these
    QString folder;         // empty: a fresh temporary folder, removed at the end
    bool startup = true;    // also time the start-up against a minimal program
    QString only;           // when set, only the operations whose name holds it

    // Usage text on a bad option; nullopt with `error` set.
    static std::optional<BenchOptions> parse(const QStringList &arguments, QString *error);
    static QString usage();
};

#pragma once
#include <QList>
#include <QString>
#include <functional>

// The whole-archive operations of the program, each driven through the
// window the user works in (offscreen) up to its filled list or written
// file: criteria set by control name, then the window's own handler.
namespace BenchOperations {

// Measured: reported with its ratio, held to no bound.
enum class Kind { Search, Summary, Export, Measured };

// What an operation produced, read after the clock stopped.
struct Outcome
{
    qint64 lines = 0;        // lines in the list, rows in the grid
    qint64 shownBytes = 0;   // the text of those lines as the window holds it
    qint64 outputBytes = 0;  // the file written (exports)
    QString outputPath;
    QString failure;         // a message the window showed instead of its result
};

// One timing of an operation: `act` is timed; `outcome` is read afterwards.
struct Trial
{
    std::function<void()> act;
    std::function<Outcome()> outcome;
};

struct Operation
{
    QString name;
    Kind kind;
    QString archive;  // the file the operation reads
    int records;      // records in it
    std::function<Trial()> prepare;  // a fresh window with its criteria set
};

// The archives the operations read, in the data folder.
struct Archives
{
    QString registerPath;
    int registerCards = 0;
    QString customerPath;
    int customers = 0;
    QString receiptPath;  // the year's archive open in the receipt window
    int receipts = 0;
    QString receiptYear;
    QString payoutYear;  // a year of the register
    QString photoFolder;  // Foto_A_<n>.jpg and Foto_B_<n>.jpg of every card
};

// Installs the answers a user would give (export: yes; open the file: no;
// modal windows shown and closed at once) and opens the receipt archive in
// the receipt window. Needs the area windows.
void setUp(const Archives &archives);
QList<Operation> all(const Archives &archives);

} // namespace BenchOperations

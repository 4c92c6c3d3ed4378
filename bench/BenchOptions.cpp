#include "BenchOptions.h"

#include <cmath>

namespace {

bool takeNumber(const QStringList &args, qsizetype &i, double *value)
{
    if (i + 1 >= args.size())
        return false;
    bool ok = false;
    *value = args[++i].toDouble(&ok);
    return ok && *value >= 0;
}

int scaled(int count, double scale) { return qMax(1, int(std::lround(count * scale))); }

} // namespace

QString BenchOptions::usage()
{
    return QStringLiteral(
        "usage: valtrena-bench [--scale F] [--register N] [--customers N] [--receipts N]\n"
        "                      [--runs R] [--dir FOLDER] [--only TEXT] [--no-startup]\n"
        "  --scale F      every record count times F (--scale 0.1 for a quick run)\n"
        "  --register N   register cards (default 100000)\n"
        "  --customers N  customers (default 50000)\n"
        "  --receipts N   receipts of the year's archive (default 20000)\n"
        "  --runs R       best of R runs for every timing (default 5)\n"
        "  --dir FOLDER   keep the archives in FOLDER and reuse them when their size fits\n"
        "  --only TEXT    only the operations whose name holds TEXT (for profiling)\n"
        "  --no-startup   skip the start-up timing\n");
}

std::optional<BenchOptions> BenchOptions::parse(const QStringList &args, QString *error)
{
    BenchOptions o;
    double scale = 1.0;
    double value = 0;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString &a = args[i];
        int *count = a == u"--register"    ? &o.registerCards
                     : a == u"--customers" ? &o.customers
                     : a == u"--receipts"  ? &o.receipts
                     : a == u"--runs"      ? &o.runs
                                           : nullptr;
        if (count) {
            if (!takeNumber(args, i, &value) || value < 1 || value > 10'000'000) {
                *error = a + QStringLiteral(" needs a whole number from 1 to 10000000");
                return std::nullopt;
            }
            *count = int(value);
        } else if (a == u"--scale") {
            if (!takeNumber(args, i, &value) || value <= 0 || value > 100) {
                *error = QStringLiteral("--scale needs a number above 0 and up to 100");
                return std::nullopt;
            }
            scale = value;
        } else if (a == u"--dir") {
            if (i + 1 >= args.size()) {
                *error = QStringLiteral("--dir needs a folder");
                return std::nullopt;
            }
            o.folder = args[++i];
        } else if (a == u"--only") {
            if (i + 1 >= args.size()) {
                *error = QStringLiteral("--only needs a text");
                return std::nullopt;
            }
            o.only = args[++i];
        } else if (a == u"--no-startup") {
            o.startup = false;
        } else {
            *error = QStringLiteral("unknown option ") + a;
            return std::nullopt;
        }
    }
    o.registerCards = scaled(o.registerCards, scale);
    o.customers = scaled(o.customers, scale);
    o.receipts = scaled(o.receipts, scale);
    return o;
}

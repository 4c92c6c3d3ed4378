#pragma once
#include <QString>
#include <array>

// The three computed amounts of a receipt: the sum of its lines, the stamp
// duty as printed and the amount due, all as amount texts.
namespace ReceiptTotals {

constexpr int kLines = 30;

struct Inputs
{
    std::array<QString, kLines> lines;  // line amounts as typed; empty counts as 0
    QString advances;
    QString duty;
};

struct Result
{
    QString advances;  // "0,00" when it was left empty, otherwise unchanged
    QString sum;
    QString duty;
    QString total;
};

// Sum and amount due are computed on doubles from the texts as typed; each
// result is then written, reparsed and rounded half up to two decimals. The
// amount due therefore uses the unrounded sum and duty. Any amount that does
// not parse gives "0,00" for the three results.
Result compute(const Inputs &inputs);

} // namespace ReceiptTotals

#pragma once
#include <QString>

// The total labels of the summaries.
namespace TotalText {
// A running total as the label shows it while the list fills.
QString running(double sum);
// The final form of a total label's text: rounded to four decimals (not
// two) and completed, so 0,125 stays 0,125 and 1250,5 becomes 1250,50.
// A blank text gives 0,00; a text that is no number is left as it is.
QString format(const QString &labelText);
}

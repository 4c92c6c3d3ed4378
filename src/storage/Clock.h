#pragma once
#include <QDateTime>

// "Today" and "now" for the whole program; tests fix them.
namespace Clock {
QDateTime now();
QDate today();
void setFixed(const QDateTime &moment);  // an invalid moment returns to the real clock
}

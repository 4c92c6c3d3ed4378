#pragma once
#include <QDate>
#include <QString>

// Dates are kept as dd/mm/yyyy text.
namespace DateText {
// Day/month[/year] with one- or two-digit years taken within fifty years of today.
QDate parse(const QString &text);
bool isValid(const QString &text);
QString format(const QDate &date);  // dd/mm/yyyy
QString today();                    // today's date as dd/mm/yyyy
QString nowTime();                  // hh:mm
}

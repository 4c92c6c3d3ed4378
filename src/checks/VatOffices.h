#pragma once
#include <QString>
#include <QStringView>
#include <span>

// The provincial VAT offices, by the three-digit code they put into the
// numbers they issue.
namespace VatOffices {
struct Office
{
    const char16_t *key;
    const char16_t *name;
};
std::span<const Office> all();
// Empty when no office has that code.
QString name(QStringView key);
}

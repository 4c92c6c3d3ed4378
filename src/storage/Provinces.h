#pragma once
#include <QStringList>

// The province codes offered by the province boxes, in alphabetical order.
namespace Provinces {
const QStringList &codes();
}

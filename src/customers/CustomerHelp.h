#pragma once
#include <QString>

// The text of the customer window's help.
namespace CustomerHelp {
QString text();
}

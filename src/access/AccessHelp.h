#pragma once
#include <QString>

namespace AccessHelp {
QString reporting();
}

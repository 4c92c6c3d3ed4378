#pragma once
#include <QString>

namespace AppHelp {
QString general();
}

#pragma once
#include <QString>

namespace AccessHelp {
inline QString reportingTitle() { return QStringLiteral("Applicazione Segnalazioni di operazioni sospette."); }
QString reporting();
}

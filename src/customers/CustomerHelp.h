#pragma once
#include <QString>

// The text of the customer window's help.
namespace CustomerHelp {
inline QString title() { return QStringLiteral("Applicazione Anagrafica Clienti."); }
QString text();
}

#pragma once
#include <QString>

// The maker's and the reporting portal's addresses, kept in one place.
namespace Maker {
inline QString name() { return QStringLiteral("Valtrena Software"); }
inline QString webSite() { return QStringLiteral("https://valtrena.example"); }
inline QString email() { return QStringLiteral("assistenza@valtrena.example"); }
inline QString portal() { return QStringLiteral("https://infostat-uif.bancaditalia.it"); }
}

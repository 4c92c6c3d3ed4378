#pragma once
#include <QString>

// The shop's trade name that ends "Oggetti acquistati da ..." and "Oggetti
// venduti a ..." in the customer window, its search, its print and its
// export: one place, so the four never disagree.
inline QString shopTradeName() { return QStringLiteral("Compro Oro"); }

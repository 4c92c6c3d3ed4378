#pragma once
#include "ui/Messages.h"
#include "customers/CustomerRecord.h"
#include "storage/TradeName.h"

#include <QString>
#include <optional>

// What a customer card must satisfy before it is stored, and the texts the
// card shares with its search and its print.
namespace CustomerCard {

// The shop's trade name in "Oggetti acquistati da ..." and "Oggetti venduti a ...".
inline QString tradeName() { return shopTradeName(); }
inline QString boughtLabel() { return QStringLiteral("Oggetti acquistati da ") + tradeName() + u':'; }
inline QString soldLabel() { return QStringLiteral("Oggetti venduti a ") + tradeName() + u':'; }

// The first check a card fails: how to tell the user and where the focus goes
// (no control when it stays where it is).
struct Problem
{
    MessageKind kind;
    QString text;
    QString focus;
};

// The card as typed (texts not yet trimmed); nothing when it can be saved.
std::optional<Problem> saveProblem(const CustomerRecord &card);

// A new card: today's date in both plan dates, no notice and zero amounts.
CustomerRecord blank();

} // namespace CustomerCard

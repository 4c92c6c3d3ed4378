#pragma once
#include "register/compliance/ComplianceRules.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <functional>
#include <vector>

class PhotoEvidence;
class QIODevice;

// The rules over the whole register, and what a card on screen needs to
// know of the other cards.
namespace Compliance {

// One cash payment below the threshold, for the split-payment rule.
struct Payment
{
    qint64 day;    // Julian day of the operation
    qint64 cents;
    int id;        // the caller's
};
// The ids of the payments of one customer that, two or more together on
// dates within `days` consecutive calendar days, reach `threshold`.
std::vector<int> splitPayments(std::vector<Payment> payments, qint64 threshold, int days);

// The keys the cross-card rules compare: the card number trimmed with A-Z
// folded; the customer by fiscal code, else by name and date of birth
// (empty when the card names neither).
QByteArray numberKey(const char *record);
QByteArray customerKey(const char *record);
// Whether a card takes part in the split-payment rule, and as what.
std::optional<Payment> splitCandidate(const char *record, const Settings &settings, int id);

struct RegisterFinding
{
    int position;  // 1-based
    QString number;
    QString date;
    QString customer;
    QString code;
    QString text;
};

struct RegisterReport
{
    int cards = 0;
    bool complete = true;  // false when a read failure ended the check early
    QList<RegisterFinding> findings;  // by position, then code
};

// Photo files of the card at a 1-based position; nothing: photos not looked at.
using PhotoLookup = std::function<PhotoFacts(int position)>;

// Every whole card of the archive, read from the start; the device is only read.
RegisterReport checkRegister(QIODevice &archive, const Settings &settings, const PhotoLookup &photos = {});
// The photo lookup of cards whose Foto_A_<n>.jpg and Foto_B_<n>.jpg are in `folder`.
PhotoLookup photoFilesIn(const QString &folder, const PhotoEvidence &evidence);

// The other cards of the register, read once, against which a card on
// screen is checked while it is typed.
class OtherCards
{
public:
    OtherCards() = default;
    // Every card of the archive but the one at 0-based `except` (-1: none).
    // A missing archive has no cards. Throws StorageError.
    static OtherCards read(const QString &path, int except, const Settings &settings);
    CardFacts factsFor(const char *record, const Settings &settings) const;

private:
    QHash<QByteArray, int> m_numbers;
    QHash<QByteArray, std::vector<Payment>> m_payments;
};

} // namespace Compliance

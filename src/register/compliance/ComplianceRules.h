#pragma once
#include "register/compliance/ComplianceSettings.h"

#include <QList>
#include <QString>
#include <optional>

// What the law asks of each register card: one table of rules, each with
// its code, its text with the legal source and the field to correct.
namespace Compliance {

// What the photos of a card are worth, when they were looked at.
struct PhotoFacts
{
    bool realA = false;  // a readable picture that is not the placeholder
    bool realB = false;
    bool same = false;   // photo A and photo B are the same picture
};

// The facts a card's rules take from outside the card itself.
struct CardFacts
{
    bool duplicateNumber = false;  // another card has the same number
    bool splitPayment = false;     // cash paid in parts that reach the threshold
    std::optional<PhotoFacts> photos;  // nothing: photos not looked at
};

struct Rule
{
    QString code;   // CONTANTI_500, ...
    QString field;  // the record field the user corrects first (FotoA/FotoB for photos)
    QString text;   // with %SOGLIA, %FRAZ and %DET for the figures of the settings
};
// Every rule, in the order of their codes.
const QList<Rule> &rules();
// The rule's text with the figures of `settings`.
QString text(const Rule &rule, const Settings &settings);

struct Finding
{
    QString code;
    QString field;  // the field the focus goes to
    QString text;
};

// Whether `record` (an encoded register card) is paid in cash.
bool isCash(const char *record);
// The findings of one encoded card, in the order of their codes.
QList<Finding> checkCard(const char *record, const Settings &settings, const CardFacts &facts);
// The same as a bit per rule of rules(), for the whole-register check.
quint32 failedRules(const char *record, const Settings &settings, const CardFacts &facts,
                    QList<QString> *fields = nullptr);

} // namespace Compliance

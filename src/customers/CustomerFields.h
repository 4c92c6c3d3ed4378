#pragma once
#include <QList>
#include <QString>

class QWidget;

// The 45 boxes of the customer card, in the order in which Enter and Tab
// move through them, and how each one behaves.
namespace CustomerFields {

enum Flag : unsigned {
    Centred = 1u << 0,
    RightAligned = 1u << 1,
    UpperCase = 1u << 2,   // trimmed and a-z in capitals on every key release
    Trimmed = 1u << 3,     // trimmed on every key release
    Digits = 1u << 4,
    Amount = 1u << 5,      // digits and comma, normalised on exit
    Province = 1u << 6,    // editable combo box of the province codes
    RedCaption = 1u << 7,
};

// The box names (txtCognome ... txtRata) in card order.
const QStringList &boxNames();

// Builds the two white panels of the card inside `left` and `right`,
// each box under its caption, with the check buttons beside their boxes.
void build(QWidget *left, QWidget *right);

} // namespace CustomerFields

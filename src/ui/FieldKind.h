#pragma once
#include <QString>

class QLineEdit;
class QWidget;

// What a field of a window's field table holds, and so how it behaves: one
// vocabulary for the register, customer and receipt tables.
struct FieldKind
{
    enum Type { Text, Amount, Date, UpperCase, Province, Digits };
    Type type = Text;
    int decimals = 2;  // an amount's
    QString empty;     // what an empty amount reads once left

    static FieldKind text() { return {}; }
    static FieldKind amount(int decimals, const QString &empty) { return {Amount, decimals, empty}; }
    static FieldKind date() { return {Date, 0, {}}; }
    static FieldKind upperCase() { return {UpperCase, 0, {}}; }
    static FieldKind province() { return {Province, 0, {}}; }
    static FieldKind digits() { return {Digits, 0, {}}; }  // years, counts, card numbers
};

namespace FieldKinds {
// A field of the kind in `parent`, named `name`: the editable box of the
// province codes for a province, else a line edit. Its behaviour comes with
// apply(), once the window's own filters are in place.
QWidget *make(QWidget *parent, const QString &name, const FieldKind &kind, int maxLength);
// The kind's behaviour: an amount's keys and its normalisation on leaving,
// the capitals of upper-case and province fields (a province's also on
// leaving), only digit keys in a digits field. Text and dates get none
// here: how a date is typed is the window's own.
void apply(QWidget *field, const FieldKind &kind);
// The line edit of a field, a province box's included.
QLineEdit *lineEdit(QWidget *field);
}

#pragma once
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class QLabel;
class QLineEdit;
class QWidget;

// Behaviours shared by the text fields of many windows.
namespace FieldBehaviour {

// Yellow rectangle "eff<name>" behind the field (a line edit or an editable
// combo box) while it has the focus.
void highlightWithRectangle(QWidget *field);
// Every line edit and combo box named txt... inside `window` gets its rectangle.
void highlightAllWithRectangles(QWidget *window);
// Yellow background with a sky-blue outline while focused, alice blue after.
void highlightWithBackground(QLineEdit *field);

// Digits and one comma, typed, pasted or dropped; the editing keys pass. A
// point of the main keyboard is swallowed with a hint, the keypad's decimal
// key writes the comma. Entering by Tab, Enter or a click selects the text.
void filterAmountKeys(QLineEdit *field);
// Digits only, with the same editing keys.
void filterDigitKeys(QLineEdit *field);
// Digits only, typed, pasted or dropped through the amount fields' filter:
// a paste keeps its digits, and one too long for the field is refused.
void filterDigitInput(QLineEdit *field);
// Normalise an amount field when the focus moves to another control of its
// window; a text that is not an amount is left as it stands.
void normaliseAmountOnExit(QLineEdit *field, int decimals, const QString &emptyValue);
// Before an action reads the fields: normalises the focused amount field and
// checks every amount field of `window`; on a text that is not an amount it
// warns, puts the focus there and gives false.
bool commitAmounts(QWidget *window);
// Before Save: each named date field of `window` must be empty or a date,
// else it warns, puts the focus there and gives false.
bool requireDates(QWidget *window, const QStringList &fields);
// Before Save: each named field that holds a date is written back as
// dd/mm/yyyy, the way it is stored and every summary reads it; any other
// text is left as it stands.
void formatDates(QWidget *window, const QStringList &fields);
// The text as a one-line field keeps it: CR, LF and the other codes below
// 32 removed, a tab turned into a blank.
QString oneLine(const QString &text);
// Every line edit of `window` (editable combo boxes included) keeps its text
// on one line, however it comes in: typed, pasted, dropped or written by
// another window.
void keepOneLine(QWidget *window);
// After every key release: trimmed, and a-z turned into capitals. Takes a
// line edit or an editable combo box.
void upperCaseOnKeyRelease(QWidget *field);

// Enter in the first control of each pair moves the focus to the second.
void enterChain(QWidget *window, const QList<QPair<QString, QString>> &links);

// The hint line: hovering a control with a hint writes it, hovering the
// window's background or a panel empties it.
void setHint(QWidget *control, const QString &hint);
void installHintLine(QWidget *window, QLabel *line);

// Capitals for the letters a-z only, as the archives have always done.
QString upperAscii(const QString &text);

} // namespace FieldBehaviour

#pragma once
#include <QString>
#include <span>

class QFrame;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QToolButton;
class QWidget;

// Building blocks of the receipt window's panels.
namespace ReceiptForm {

enum class Kind {
    Text,         // label on the left of the field
    LabelAbove,   // long label on its own row above the field
    Province,     // editable province box, two characters
};

// One labelled field of a panel grid. The grid has three label/field pairs
// per row (columns 0-1, 2-3, 4-5) and a check button column 6; a field
// with span 5 fills the row, one with span 1 keeps a short width.
struct Field
{
    const char *name;
    const char16_t *label;
    int maxLength;
    int row;
    int pair;  // 0, 1 or 2
    int span;  // columns taken by the field
    Kind kind = Kind::Text;
};

// A white card with a title bar; `header` receives the title bar's layout
// so that buttons can sit at its right, `titleLabel` the title itself.
QFrame *card(QWidget *parent, const char *name, const QString &title, QHBoxLayout **header = nullptr,
             QLabel **titleLabel = nullptr);

// Adds the fields to `grid` inside `owner`; controls get their names.
void addFields(QWidget *owner, QGridLayout *grid, std::span<const Field> fields);

} // namespace ReceiptForm

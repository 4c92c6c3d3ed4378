#pragma once

#include <functional>

class QGridLayout;
class QObject;
class QWidget;

// The shared looks of the windows, drawn by the application style sheet
// (Theme's Application sheet): a widget takes one by its "look" property.
namespace Looks {

enum class Look {
    Page,         // the gradient behind a window's cards
    MenuPage,     // the main menu's own, deeper gradient
    Card,         // a white panel with a soft outline
    Toolbar,      // the bar of image buttons at the top of an area window
    Position,     // the position label between Previous and Next
    Heading,      // a panel's section title, underlined
    HeadingBar,   // a section title's row that also holds buttons
    HeadingText,  // the title inside such a row
    Caption,      // a field's caption
    CaptionAlert, // a caption that must stand out
    Title,        // a window's own title
    Status,       // the hint line at the bottom
    Band,         // the blue title band across the top of a dialog
    Emphasis,     // amounts, years and kinds that must stand out
    Progress,     // "please wait" and counts of what was found
    Warning,      // what the user must not miss
    Explanation,  // the quieter text under a title
};

// Gives `widget` the look; call before the widget is first shown.
void set(QWidget *widget, Look look);

// Rows of fixed-height fields cannot grow: when `room` (the height there is
// for `grid`, such as a scroll area's viewport) is taller than the rows
// need, the spare height goes between them, up to `maxSpacing`, instead of
// collecting at the bottom.
// The spreading ends with the grid.
void spreadRows(QWidget *room, QGridLayout *grid, int maxSpacing = 24);

// Calls `relayout(wide)` on `context`'s thread, after the event, whenever
// `room` becomes at least `width` wide or narrower again.
void onWidthCrossing(QWidget *room, int width, QObject *context, std::function<void(bool wide)> relayout);

// Installs the application style sheet once; every window constructor that
// relies on the looks calls it, so tools and tests see what the program shows.
void install();

} // namespace Looks

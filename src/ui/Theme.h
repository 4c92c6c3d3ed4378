#pragma once
#include <QColor>
#include <QFont>
#include <QString>

// The house look in one place: the named colours, the typefaces and the
// style sheets of the windows. Style sheets name colours and typefaces with
// tokens (`@houseBlue`, `@bodyFace`) that Theme resolves, so a colour is
// changed once for every window that shows it.
namespace Theme {

enum class Colour {
    HouseBlue,     // titles, captions, the hover of the house buttons
    PageTop,       // top of the gradient behind the area pages
    CardBorder,    // outline of the white cards on those pages
    CardTint,      // the pale fill of position and path panels
    InfoFill,      // the pale fill of an information line on a card
    ButtonTop,     // the house buttons' gradient
    ButtonBottom,
    Maroon,        // amounts and years that must stand out
    Teal,          // "please wait" and counts of found records
    Crimson,       // warnings and chapter titles
    LinkNavy,      // a link at rest
    LinkPressed,   // a link while pressed
    Ink,           // dark text of the register
    ReceiptInk,    // dark text of the receipts
    RuleBlue,      // thin rules and card outlines of the register
    EditBorder,    // outlines in the receipts window
    GroupBorder,   // outlines of group boxes and information panels
    GroupLine,     // outline of the receipt chooser's group boxes
    FrameGrey,     // the frame around the logo
    FocusFill,     // the field that has the focus
    FocusBorder,
    FieldFill,     // a field at rest
    FocusGold,     // top of the focused field's frame
    RegisterGold,  // the register's section rule and photo marks
    PhotoBackdrop, // behind a photo
    Grey,          // secondary text
    FixedColumn,   // the export grid's record number column
    ExportWindow,  // the export window's background
    PhotoCaption,  // the text inside an empty photo frame
    Steel,         // the outline of a photo frame and of the register position
    DarkGrey,      // explanations under a title
    Charcoal,      // the legend of the charts
    PageTint,      // top of the gradient behind every window's cards
    PageBottom,
    BarBottom,     // the toolbar's gradient, from white
    BarRule,       // the line under the toolbar
    HoverFill,     // a toolbar button under the mouse
    CaptionInk,    // the captions of the fields
    StatusBar,     // the hint line at the bottom of the area windows
};

// Typefaces of the original layouts; setUpFonts maps them to installed twins.
enum class Face {
    Body,       // Verdana
    Title,      // Arial
    Status,     // Tahoma
    Fixed,      // Courier New
    Glyphs,     // DejaVu Sans: drawn symbols and pictures
    GlyphsMono, // DejaVu Sans Mono
};

QColor colour(Colour c);
QString hex(Colour c); // "#1F4E79"

QString family(Face f);
// Same arguments as QFont's constructor: -1 leaves size or weight as they are.
QFont font(Face f, int pointSize = -1, int weight = -1);
// The typefaces of the original layouts, mapped to their installed metric twins.
void setUpFonts();

// A style sheet with its `@colour` and `@face` tokens replaced.
QString css(QStringView sheet);

// The style sheets of the windows that carry a look of their own.
enum class Sheet {
    Register,
    Customers,
    Receipts,
    MainMenu,
    ComplianceStrip,
    PhotoZoom,
    CheckHeader,
    Attachments,
    ExportGrid,
    ExportBanner,
    Application,   // the shared looks, installed once for the whole program
};
QString sheet(Sheet s);

} // namespace Theme

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

    // Printed pages and drawn pictures.
    Paper,              // the white of a page, a picture's ground
    PrintInk,           // black text and thin outlines of printed pages
    TextOnColour,       // white text and marks on a coloured ground
    FocusFoot,          // bottom of the focused field's frame
    CardSection,        // register card: light steel blue section fills
    CardBand,           // register card and register book: lavender bands
    CardGold,           // register card: the gold signature band
    ReceiptCustomerBox, // receipt: number box of the customer's copy (alice blue)
    ReceiptShopBox,     // receipt: number box of the shop's copy (beige)
    PrintSlate,         // slate grey: list pages' bands, the register book's labels
    CustomerBanner,     // customer card: dark orange title and footer
    CustomerCaption,    // customer card: teal field captions
    LogoBright,         // the drawn euro logo's gradient
    LogoDeep,
    SheetEdge,          // the paper sheet of the output pictures
    SheetLines,
    PrinterTop,         // the printer picture
    PrinterBottom,
    PrinterSlot,
    PrinterLamp,
    LensHandle,         // the magnifier of the preview picture
    LensRim,
    LensGlass,
    PdfBand,            // the red band of the PDF picture
    Shadow,             // black, drawn translucent under shapes
    PlaceholderBackdrop, // the empty photo's backdrop: centre, middle, edge
    PlaceholderBackdropMid,
    PlaceholderBackdropEdge,
    PlaceholderGoldDeep, // the ring's band, left to right
    PlaceholderGoldBright,
    PlaceholderGoldShine,
    PlaceholderGold,     // also the claws holding the stone
    PlaceholderGoldDark,
    PlaceholderGoldEdge, // the band's inner edge
    PlaceholderStoneLight, // the stone, top to tip, and its sparkle
    PlaceholderStoneMid,
    PlaceholderStoneDeep,
    PlaceholderStoneEdge,
    PlaceholderFacet,
    PlaceholderCaption,
    CheckFiscalLight,   // the check pictures' cards, light to dark
    CheckFiscalDark,
    CheckVatLight,
    CheckVatDark,
    CheckCardLight,
    CheckCardDark,
    CheckIbanLight,
    CheckIbanDark,
    CheckOtherLight,
    CheckOtherDark,
    CheckChipLight,     // the gold chip on those cards
    CheckChipDark,
    CheckChipEdge,
    CheckMark,          // the round tick beside them

    // The statistics chart; its series colours come from chartSeries().
    ChartBackdrop,      // gradient behind the chart, top to bottom
    ChartBackdropBottom,
    ChartFrame,
    ChartTitle,
    ChartFootnote,
    ChartText,          // month labels, legend entries, value marks
    ChartAxisText,
    ChartOutline,       // drawn translucent round bars, slices, swatches
    ChartMarkFill,      // the value marks' pale yellow boxes
    ChartMarkBorder,    // and their outline and leader line
    ChartLegendFill,
    ChartLegendBorder,
    ChartWallTop,       // the box the bars stand in
    ChartWallBottom,
    ChartWallEdge,
    ChartSideWall,
    ChartFloor,
    ChartGrid,
    ChartPieEmptyRim,   // the grey disc of a year without takings
    ChartPieEmpty,
    ChartPieLeader,     // the lines from slices to their marks
    ChartIconEdge,      // outline of the pie button's small pie

    // The drawn badges of icons that have no picture file.
    BadgeGreen,        // new, export, backup
    BadgeBlue,         // save, logo
    BadgeSlate,        // moving between cards
    BadgePurple,       // find, chart
    BadgeCharcoal,     // print, list, lock
    BadgeTeal,         // preview
    BadgeRed,          // PDF
    BadgeSky,          // help, information
    BadgeExit,         // exit
    BadgeBrown,        // copyright
    BadgeDeepTeal,     // web
    BadgeOrange,       // e-mail
    BadgeOlive,        // import
    BadgeUmber,        // numbering
    BadgePink,         // calendar
    BadgeIndigo,       // camera
    BadgeAmber,        // folder
    BadgeCocoa,        // attachments
    BadgeCheck,        // check
    BadgeDelete,       // delete
    BadgeSun,          // today
    BadgeOther,        // any other name
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
// The colour drawn translucent, at `alpha` from 0 to 255: shadows and outlines.
QColor colour(Colour c, int alpha);
QString hex(Colour c); // "#1F4E79"

// The statistics chart's series colours, one per month from January; after
// the twelfth they start again. Each month's bar, slice and legend swatch
// show the colour its point was given from here.
QColor chartSeries(int i);

QString family(Face f);
// Same arguments as QFont's constructor: -1 leaves size or weight as they are.
QFont font(Face f, int pointSize = -1, int weight = -1);
// The typefaces of the original layouts, mapped to their installed metric twins.
void setUpFonts();

// A style sheet with its `@colour` and `@face` tokens replaced.
QString css(QStringView sheet);

// The style sheets of the windows that carry a look of their own.
enum class Sheet {
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

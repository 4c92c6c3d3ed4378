#include "ui/Theme.h"

#include <array>

namespace Theme {

namespace {

struct Swatch {
    Colour colour;
    QLatin1StringView token;
    QRgb rgb;
};

using namespace Qt::Literals::StringLiterals;

// In the order of Colour, which the lookups index.
constexpr std::array kSwatches{
    Swatch{Colour::HouseBlue, "houseBlue"_L1, 0x1F4E79},
    Swatch{Colour::PageTop, "pageTop"_L1, 0x408AB3},
    Swatch{Colour::CardBorder, "cardBorder"_L1, 0x9CB8CC},
    Swatch{Colour::CardTint, "cardTint"_L1, 0xF4F9FC},
    Swatch{Colour::InfoFill, "infoFill"_L1, 0xF2F6FA},
    Swatch{Colour::ButtonTop, "buttonTop"_L1, 0x4F9BC6},
    Swatch{Colour::ButtonBottom, "buttonBottom"_L1, 0x2C6A8F},
    Swatch{Colour::Maroon, "maroon"_L1, 0x800000},
    Swatch{Colour::Teal, "teal"_L1, 0x008B8B},
    Swatch{Colour::Crimson, "crimson"_L1, 0xDC143C},
    Swatch{Colour::LinkNavy, "linkNavy"_L1, 0x00008B},
    Swatch{Colour::LinkPressed, "linkPressed"_L1, 0xFFA500},
    Swatch{Colour::Ink, "ink"_L1, 0x1F3B57},
    Swatch{Colour::ReceiptInk, "receiptInk"_L1, 0x1F3A56},
    Swatch{Colour::RuleBlue, "ruleBlue"_L1, 0xB7C8D6},
    Swatch{Colour::EditBorder, "editBorder"_L1, 0xA9BCD0},
    Swatch{Colour::GroupBorder, "groupBorder"_L1, 0xC9D6E2},
    Swatch{Colour::GroupLine, "groupLine"_L1, 0xC5D5E2},
    Swatch{Colour::FrameGrey, "frameGrey"_L1, 0x9AA6B2},
    Swatch{Colour::FocusFill, "focusFill"_L1, 0xFFFF00},
    Swatch{Colour::FocusBorder, "focusBorder"_L1, 0x87CEEB},
    Swatch{Colour::FieldFill, "fieldFill"_L1, 0xF0F8FF},
    Swatch{Colour::FocusGold, "focusGold"_L1, 0xFFD700},
    Swatch{Colour::RegisterGold, "registerGold"_L1, 0xC9A227},
    Swatch{Colour::PhotoBackdrop, "photoBackdrop"_L1, 0x2B2F36},
    Swatch{Colour::Grey, "grey"_L1, 0x555555},
    Swatch{Colour::FixedColumn, "fixedColumn"_L1, 0xE4E8ED},
    Swatch{Colour::ExportWindow, "exportWindow"_L1, 0xE6E6E6},
    Swatch{Colour::PhotoCaption, "photoCaption"_L1, 0xB8C2CC},
    Swatch{Colour::Steel, "steel"_L1, 0x8CA6BF},
    Swatch{Colour::DarkGrey, "darkGrey"_L1, 0x444444},
    Swatch{Colour::Charcoal, "charcoal"_L1, 0x333333},
    Swatch{Colour::PageTint, "pageTint"_L1, 0xDCE8F2},
    Swatch{Colour::PageBottom, "pageBottom"_L1, 0xF7FAFC},
    Swatch{Colour::BarBottom, "barBottom"_L1, 0xDCE6EF},
    Swatch{Colour::BarRule, "barRule"_L1, 0xA9BED0},
    Swatch{Colour::HoverFill, "hoverFill"_L1, 0xCFE0F2},
    Swatch{Colour::CaptionInk, "captionInk"_L1, 0x26323D},
    Swatch{Colour::StatusBar, "statusBar"_L1, 0x1F5F99},
    Swatch{Colour::Paper, "paper"_L1, 0xFFFFFF},
    Swatch{Colour::PrintInk, "printInk"_L1, 0x000000},
    Swatch{Colour::TextOnColour, "textOnColour"_L1, 0xFFFFFF},
    Swatch{Colour::FocusFoot, "focusFoot"_L1, 0xFFFFFF},
    Swatch{Colour::CardSection, "cardSection"_L1, 0xB0C4DE},
    Swatch{Colour::CardBand, "cardBand"_L1, 0xE6E6FA},
    Swatch{Colour::CardGold, "cardGold"_L1, 0xFFD700},
    Swatch{Colour::ReceiptCustomerBox, "receiptCustomerBox"_L1, 0xF0F8FF},
    Swatch{Colour::ReceiptShopBox, "receiptShopBox"_L1, 0xF5F5DC},
    Swatch{Colour::PrintSlate, "printSlate"_L1, 0x708090},
    Swatch{Colour::CustomerBanner, "customerBanner"_L1, 0xFF8C00},
    Swatch{Colour::CustomerCaption, "customerCaption"_L1, 0x008080},
    Swatch{Colour::LogoBright, "logoBright"_L1, 0x2F7BE0},
    Swatch{Colour::LogoDeep, "logoDeep"_L1, 0x0B3D91},
    Swatch{Colour::SheetEdge, "sheetEdge"_L1, 0x909AA6},
    Swatch{Colour::SheetLines, "sheetLines"_L1, 0xB0BCC8},
    Swatch{Colour::PrinterTop, "printerTop"_L1, 0x788694},
    Swatch{Colour::PrinterBottom, "printerBottom"_L1, 0x37474F},
    Swatch{Colour::PrinterSlot, "printerSlot"_L1, 0x263238},
    Swatch{Colour::PrinterLamp, "printerLamp"_L1, 0x43A047},
    Swatch{Colour::LensHandle, "lensHandle"_L1, 0x4E342E},
    Swatch{Colour::LensRim, "lensRim"_L1, 0x00838F},
    Swatch{Colour::LensGlass, "lensGlass"_L1, 0xB2EBF2},
    Swatch{Colour::PdfBand, "pdfBand"_L1, 0xC62828},
    Swatch{Colour::Shadow, "shadow"_L1, 0x000000},
    Swatch{Colour::PlaceholderBackdrop, "placeholderBackdrop"_L1, 0xFBF8F3},
    Swatch{Colour::PlaceholderBackdropMid, "placeholderBackdropMid"_L1, 0xE4DED5},
    Swatch{Colour::PlaceholderBackdropEdge, "placeholderBackdropEdge"_L1, 0xB9B1A6},
    Swatch{Colour::PlaceholderGoldDeep, "placeholderGoldDeep"_L1, 0x8A6212},
    Swatch{Colour::PlaceholderGoldBright, "placeholderGoldBright"_L1, 0xF6D365},
    Swatch{Colour::PlaceholderGoldShine, "placeholderGoldShine"_L1, 0xFFF4C2},
    Swatch{Colour::PlaceholderGold, "placeholderGold"_L1, 0xC9972B},
    Swatch{Colour::PlaceholderGoldDark, "placeholderGoldDark"_L1, 0x6E4B0C},
    Swatch{Colour::PlaceholderGoldEdge, "placeholderGoldEdge"_L1, 0x7A5510},
    Swatch{Colour::PlaceholderStoneLight, "placeholderStoneLight"_L1, 0xFFFFFF},
    Swatch{Colour::PlaceholderStoneMid, "placeholderStoneMid"_L1, 0xCFE8F7},
    Swatch{Colour::PlaceholderStoneDeep, "placeholderStoneDeep"_L1, 0x86B4D6},
    Swatch{Colour::PlaceholderStoneEdge, "placeholderStoneEdge"_L1, 0x6D93B3},
    Swatch{Colour::PlaceholderFacet, "placeholderFacet"_L1, 0x8FB7D3},
    Swatch{Colour::PlaceholderCaption, "placeholderCaption"_L1, 0x6B6358},
    Swatch{Colour::CheckFiscalLight, "checkFiscalLight"_L1, 0x66BB6A},
    Swatch{Colour::CheckFiscalDark, "checkFiscalDark"_L1, 0x2E7D32},
    Swatch{Colour::CheckVatLight, "checkVatLight"_L1, 0xFFB74D},
    Swatch{Colour::CheckVatDark, "checkVatDark"_L1, 0xE65100},
    Swatch{Colour::CheckCardLight, "checkCardLight"_L1, 0x42A5F5},
    Swatch{Colour::CheckCardDark, "checkCardDark"_L1, 0x0D47A1},
    Swatch{Colour::CheckIbanLight, "checkIbanLight"_L1, 0x4DB6AC},
    Swatch{Colour::CheckIbanDark, "checkIbanDark"_L1, 0x00695C},
    Swatch{Colour::CheckOtherLight, "checkOtherLight"_L1, 0x90A4AE},
    Swatch{Colour::CheckOtherDark, "checkOtherDark"_L1, 0x37474F},
    Swatch{Colour::CheckChipLight, "checkChipLight"_L1, 0xFFE082},
    Swatch{Colour::CheckChipDark, "checkChipDark"_L1, 0xC99A2E},
    Swatch{Colour::CheckChipEdge, "checkChipEdge"_L1, 0x9E7A20},
    Swatch{Colour::CheckMark, "checkMark"_L1, 0x00897B},
    Swatch{Colour::ChartBackdrop, "chartBackdrop"_L1, 0xFFFFFF},
    Swatch{Colour::ChartBackdropBottom, "chartBackdropBottom"_L1, 0xE8EFF6},
    Swatch{Colour::ChartFrame, "chartFrame"_L1, 0x9CB8CC},
    Swatch{Colour::ChartTitle, "chartTitle"_L1, 0xD04498},
    Swatch{Colour::ChartFootnote, "chartFootnote"_L1, 0x7294F9},
    Swatch{Colour::ChartText, "chartText"_L1, 0x202020},
    Swatch{Colour::ChartAxisText, "chartAxisText"_L1, 0x404040},
    Swatch{Colour::ChartOutline, "chartOutline"_L1, 0x000000},
    Swatch{Colour::ChartMarkFill, "chartMarkFill"_L1, 0xFFFFE1},
    Swatch{Colour::ChartMarkBorder, "chartMarkBorder"_L1, 0x808080},
    Swatch{Colour::ChartLegendFill, "chartLegendFill"_L1, 0xFFFFFF},
    Swatch{Colour::ChartLegendBorder, "chartLegendBorder"_L1, 0xB8C4D0},
    Swatch{Colour::ChartWallTop, "chartWallTop"_L1, 0xF7F9FC},
    Swatch{Colour::ChartWallBottom, "chartWallBottom"_L1, 0xDDE5EE},
    Swatch{Colour::ChartWallEdge, "chartWallEdge"_L1, 0xA8B4C0},
    Swatch{Colour::ChartSideWall, "chartSideWall"_L1, 0xD0DAE4},
    Swatch{Colour::ChartFloor, "chartFloor"_L1, 0xC4CED8},
    Swatch{Colour::ChartGrid, "chartGrid"_L1, 0xB0BCC8},
    Swatch{Colour::ChartPieEmptyRim, "chartPieEmptyRim"_L1, 0xDDE2E8},
    Swatch{Colour::ChartPieEmpty, "chartPieEmpty"_L1, 0xEEF1F5},
    Swatch{Colour::ChartPieLeader, "chartPieLeader"_L1, 0x606060},
    Swatch{Colour::ChartIconEdge, "chartIconEdge"_L1, 0x404040},
    Swatch{Colour::BadgeGreen, "badgeGreen"_L1, 0x2E7D32},
    Swatch{Colour::BadgeBlue, "badgeBlue"_L1, 0x1565C0},
    Swatch{Colour::BadgeSlate, "badgeSlate"_L1, 0x455A64},
    Swatch{Colour::BadgePurple, "badgePurple"_L1, 0x6A1B9A},
    Swatch{Colour::BadgeCharcoal, "badgeCharcoal"_L1, 0x37474F},
    Swatch{Colour::BadgeTeal, "badgeTeal"_L1, 0x00838F},
    Swatch{Colour::BadgeRed, "badgeRed"_L1, 0xC62828},
    Swatch{Colour::BadgeSky, "badgeSky"_L1, 0x0277BD},
    Swatch{Colour::BadgeExit, "badgeExit"_L1, 0xB71C1C},
    Swatch{Colour::BadgeBrown, "badgeBrown"_L1, 0x5D4037},
    Swatch{Colour::BadgeDeepTeal, "badgeDeepTeal"_L1, 0x00695C},
    Swatch{Colour::BadgeOrange, "badgeOrange"_L1, 0xEF6C00},
    Swatch{Colour::BadgeOlive, "badgeOlive"_L1, 0x558B2F},
    Swatch{Colour::BadgeUmber, "badgeUmber"_L1, 0x4E342E},
    Swatch{Colour::BadgePink, "badgePink"_L1, 0xAD1457},
    Swatch{Colour::BadgeIndigo, "badgeIndigo"_L1, 0x283593},
    Swatch{Colour::BadgeAmber, "badgeAmber"_L1, 0xF9A825},
    Swatch{Colour::BadgeCocoa, "badgeCocoa"_L1, 0x6D4C41},
    Swatch{Colour::BadgeCheck, "badgeCheck"_L1, 0x00897B},
    Swatch{Colour::BadgeDelete, "badgeDelete"_L1, 0xD84315},
    Swatch{Colour::BadgeSun, "badgeSun"_L1, 0xFF8F00},
    Swatch{Colour::BadgeOther, "badgeOther"_L1, 0x546E7A},
};

constexpr bool swatchesInOrder()
{
    for (std::size_t i = 0; i < kSwatches.size(); ++i)
        if (static_cast<std::size_t>(kSwatches[i].colour) != i)
            return false;
    return true;
}
static_assert(swatchesInOrder(), "kSwatches must follow the order of Colour");
static_assert(kSwatches.back().colour == Colour::BadgeOther, "every Colour needs a swatch");

struct Typeface {
    Face face;
    QLatin1StringView token;
    QLatin1StringView family;
};

constexpr std::array kFaces{
    Typeface{Face::Body, "bodyFace"_L1, "Verdana"_L1},
    Typeface{Face::Title, "titleFace"_L1, "Arial"_L1},
    Typeface{Face::Status, "statusFace"_L1, "Tahoma"_L1},
    Typeface{Face::Fixed, "fixedFace"_L1, "Courier New"_L1},
    Typeface{Face::Glyphs, "glyphsFace"_L1, "DejaVu Sans"_L1},
    Typeface{Face::GlyphsMono, "glyphsMonoFace"_L1, "DejaVu Sans Mono"_L1},
};

QString resolve(QStringView token)
{
    for (const Swatch &s : kSwatches)
        if (token == s.token)
            return hex(s.colour);
    for (const Typeface &t : kFaces)
        if (token == t.token)
            return u'\'' + QString(t.family) + u'\'';
    qFatal("Theme: unknown style sheet token @%s", qPrintable(token.toString()));
    return {};
}

} // namespace

QColor colour(Colour c)
{
    return QColor::fromRgb(kSwatches[static_cast<std::size_t>(c)].rgb);
}

QColor colour(Colour c, int alpha)
{
    QColor translucent = colour(c);
    translucent.setAlpha(alpha);
    return translucent;
}

QString hex(Colour c)
{
    return colour(c).name(QColor::HexRgb).toUpper();
}

QColor chartSeries(int i)
{
    // January to December, as the shop's charts have always shown them.
    static constexpr std::array<QRgb, 12> kSeries{
        0xFF0000, 0x0000FF, 0xFFE4C4, 0xFF00FF, 0xC0DCC0, 0xFFFF00,
        0x00FF00, 0xC0C0C0, 0xF0FBFF, 0x87CEEB, 0x800000, 0x008000,
    };
    const int n = int(kSeries.size());
    return QColor::fromRgb(kSeries[std::size_t((i % n + n) % n)]);
}

QString family(Face f)
{
    for (const Typeface &t : kFaces)
        if (t.face == f)
            return QString(t.family);
    return {};
}

QFont font(Face f, int pointSize, int weight)
{
    return QFont(family(f), pointSize, weight);
}

void setUpFonts()
{
    QFont::insertSubstitution(family(Face::Title), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(family(Face::Fixed), QStringLiteral("Liberation Mono"));
    QFont::insertSubstitution(family(Face::Body), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(family(Face::Status), QStringLiteral("DejaVu Sans"));
}

QString css(QStringView sheet)
{
    QString out;
    out.reserve(sheet.size() + 64);
    qsizetype from = 0;
    for (qsizetype at = sheet.indexOf(u'@'); at >= 0; at = sheet.indexOf(u'@', from)) {
        qsizetype end = at + 1;
        while (end < sheet.size() && sheet[end].isLetter())
            ++end;
        out += sheet.mid(from, at - from);
        out += resolve(sheet.mid(at + 1, end - at - 1));
        from = end;
    }
    out += sheet.mid(from);
    return out;
}

QString sheet(Sheet s)
{
    switch (s) {
    case Sheet::Customers:
        return css(u"QLineEdit,QComboBox{font:10pt @bodyFace;}"
            u"#lblTitoloArea{color:@houseBlue;font:bold 15pt @titleFace;}");
    case Sheet::Receipts:
        return css(
            u"QLineEdit,QComboBox{font:10pt @bodyFace;}"
            u"QGroupBox{background:white;border:none;margin:0;padding:0;}"
            u"QLabel[heading=\"true\"]{font:bold 8pt @bodyFace;color:#5A7088;}"
            u"QLabel[computed=\"true\"]{font:bold 11pt @bodyFace;color:@receiptInk;background:#F3F7FB;"
            u"border:1px solid #C9D6E3;border-radius:3px;padding:3px 6px;min-height:20px;}"
            u"QLabel[grandTotal=\"true\"]{font:bold 14pt @bodyFace;color:@maroon;}"
            u"#txtTotale{background:#FFF8E7;border:1px solid #D9B97A;border-radius:3px;padding:4px 6px;"
            u"min-height:26px;}"
            u"#cmdCalcola{font:bold 10pt @bodyFace;color:white;padding:6px;border-radius:4px;"
            u"border:1px solid @houseBlue;"
            u"background:qlineargradient(x1:0,y1:0,x2:0,y2:1,stop:0 @buttonTop,stop:1 @buttonBottom);}"
            u"#cmdCalcola:hover{background:@houseBlue;}"
            u"#chkSaldata{font:bold 10pt @bodyFace;color:#2E7D32;}");
    case Sheet::Application:
        // The looks every window shares, chosen by a widget's "look" property.
        return css(
            u"[look=\"page\"],QDialog{background:qlineargradient(x1:0,y1:0,x2:0,y2:1,stop:0 @pageTint,"
            u"stop:1 @pageBottom);}"
            u"[look=\"menuPage\"]{background:qlineargradient(x1:0,y1:0,x2:0,y2:1,stop:0 @pageTop,stop:1 white);}"
            u"[look=\"card\"]{background:white;border:1px solid @ruleBlue;border-radius:8px;}"
            u"[look=\"toolbar\"]{background:qlineargradient(x1:0,y1:0,x2:0,y2:1,stop:0 white,stop:1 @barBottom);"
            u"border:none;border-bottom:1px solid @barRule;}"
            u"[look=\"toolbar\"] QToolButton{font:8pt @bodyFace;color:@ink;padding:2px 3px;border:none;}"
            u"[look=\"toolbar\"] QToolButton:hover{background:@hoverFill;border-radius:4px;}"
            u"[look=\"toolbar\"] #shpSeparatore{color:@ruleBlue;}"
            u"QLabel[look=\"position\"]{background:white;border:1px solid @steel;border-radius:4px;color:@ink;"
            u"font:bold 12pt @bodyFace;}"
            u"QLabel[look=\"heading\"]{color:@houseBlue;font:bold 10pt @bodyFace;border:none;"
            u"border-bottom:2px solid @registerGold;padding-top:1px;}"
            u"[look=\"headingBar\"]{background:white;border:none;border-bottom:2px solid @registerGold;}"
            u"QLabel[look=\"headingText\"]{color:@houseBlue;font:bold 10pt @bodyFace;border:none;}"
            u"QLabel[look=\"caption\"]{color:@captionInk;font:9pt @bodyFace;border:none;}"
            u"QLabel[look=\"captionAlert\"]{color:#C00000;font:bold 9pt @bodyFace;border:none;}"
            u"QLabel[look=\"title\"]{color:@houseBlue;border:none;}"
            u"QLabel[look=\"emphasis\"]{color:@maroon;border:none;}"
            u"QLabel[look=\"progress\"]{color:@teal;border:none;}"
            u"QLabel[look=\"warning\"]{color:@crimson;border:none;}"
            u"QLabel[look=\"explanation\"]{color:@grey;border:none;}"
            u"QLabel[look=\"status\"]{background:@statusBar;color:white;font:12pt @statusFace;padding:3px 10px;"
            u"border:none;}"
            u"[look=\"band\"]{background:qlineargradient(x1:0,y1:0,x2:1,y2:0,stop:0 @houseBlue,stop:1 @pageTop);"
            u"color:white;}"
            u"[look=\"band\"] QLabel{color:white;background:transparent;}"
            u"[look=\"page\"] QLineEdit,QDialog QLineEdit{background:@fieldFill;border:1px solid @focusBorder;}"
            u"[look=\"card\"] QGroupBox{font:bold 10pt @bodyFace;color:@houseBlue;border:1px solid @groupBorder;"
            u"border-radius:6px;margin-top:12px;padding:14px 10px 8px 10px;}"
            u"[look=\"card\"] QGroupBox::title{subcontrol-origin:margin;left:10px;padding:0 4px;}");
    case Sheet::MainMenu:
        return css(u"QPushButton[area=\"true\"]{background:qlineargradient(x1:0,y1:0,x2:0,y2:1,stop:0 @buttonTop,"
            u"stop:1 @buttonBottom);"
            u"color:white;font:bold 11pt @titleFace;border:none;border-radius:6px;padding:8px 14px;}"
            u"QPushButton[area=\"true\"]:hover{background:@houseBlue;}"
            u"#lblUltimoBackup{color:@grey;font:9pt @statusFace;}"
            u"#lblUltimoBackup[overdue=\"true\"]{color:#C0392B;font:bold 9pt @statusFace;}");
    case Sheet::ComplianceStrip:
        return css(
            u"#panConformita{background:white;border:1px solid @ruleBlue;border-radius:8px;}"
            u"#lblConforme{color:#1E7B34;font-weight:bold;}"
            u"#lblTitoloConformita{color:@houseBlue;font-weight:bold;}"
            u"QPushButton#btnSegnalazione{color:#9C2A00;text-align:left;border:none;padding:1px 2px;}"
            u"QPushButton#btnSegnalazione:hover{text-decoration:underline;}");
    case Sheet::PhotoZoom:
        return css(
            u"#TfrmZoom{background:qlineargradient(x1:0,y1:0,x2:0,y2:1,stop:0 #4682B4,stop:1 white);}"
            u"#panFoto{background:@photoBackdrop;border:1px solid @ink;}");
    case Sheet::CheckHeader:
        return css(
            u"#panIntestazione{background:qlineargradient(x1:0,y1:0,x2:0,y2:1,stop:0 #FFFFFF,stop:1 #E2EBF4);"
            u"border-bottom:1px solid #B9C8D8;}");
    case Sheet::Attachments:
        return css(
            u"QGroupBox{background:white;border:1px solid @cardBorder;border-radius:6px;margin-top:10px;"
            u"font-weight:bold;color:@houseBlue;}"
            u"QGroupBox::title{subcontrol-origin:margin;left:10px;padding:0 4px;}"
            u"QLineEdit[readOnly=\"true\"]{background:#F2F2F2;color:#606060;font-weight:bold;}");
    case Sheet::ExportGrid:
        return css(
            u"QTableView{background:white;alternate-background-color:#EEF4FA;gridline-color:#C8CED6;"
            u"selection-background-color:@buttonBottom;}"
            u"QHeaderView::section{background:#DDE3EA;border:none;border-right:1px solid #B8C0CA;"
            u"border-bottom:1px solid #B8C0CA;padding:3px 6px;font-weight:bold;}");
    case Sheet::ExportBanner:
        return css(
            u"#imgBanner{background:qlineargradient(x1:0,y1:0,x2:1,y2:0,stop:0 #1D6F42,stop:1 #5FA777);"
            u"border-radius:6px;} #imgBanner QLabel{color:white;background:transparent;}");
    }
    return {};
}

} // namespace Theme

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
};

constexpr bool swatchesInOrder()
{
    for (std::size_t i = 0; i < kSwatches.size(); ++i)
        if (static_cast<std::size_t>(kSwatches[i].colour) != i)
            return false;
    return true;
}
static_assert(swatchesInOrder(), "kSwatches must follow the order of Colour");
static_assert(kSwatches.back().colour == Colour::StatusBar, "every Colour needs a swatch");

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

QString hex(Colour c)
{
    return colour(c).name(QColor::HexRgb).toUpper();
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
    case Sheet::Register:
        return css(
            u"#lblFotoTitolo{color:@houseBlue;}");
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

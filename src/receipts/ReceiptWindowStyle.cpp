#include "receipts/ReceiptWindowStyle.h"

namespace ReceiptWindowStyle {

QString sheet()
{
    return QStringLiteral(
        "#TfrmRicevute{background:#E9EFF5;}"
        "QLabel{color:#263238;}"
        "QLineEdit,QComboBox{font:10pt 'Verdana';}"
        "#panToolbar{background:qlineargradient(x1:0,y1:0,x2:0,y2:1,stop:0 #FFFFFF,stop:1 #DCE6F0);"
        "border-bottom:1px solid #A9BCD0;}"
        "#panToolbar QToolButton{font:8pt 'Verdana';color:#1F3A56;padding:1px 3px;}"
        "#panToolbar QToolButton:hover{background:#CFE0F2;border-radius:4px;}"
        "QFrame[toolbarSeparator=\"true\"]{color:#B0C2D4;}"
        "#lblPosizione{font:bold 11pt 'Verdana';color:#1F4E79;background:white;"
        "border:1px solid #A9BCD0;border-radius:3px;padding:2px 6px;}"
        "QFrame[card=\"true\"]{background:white;border:1px solid #B7C8DA;border-radius:6px;}"
        "QWidget[cardBar=\"true\"]{background:qlineargradient(x1:0,y1:0,x2:0,y2:1,stop:0 #3E7CB1,stop:1 #2C5F8A);"
        "border-top-left-radius:5px;border-top-right-radius:5px;}"
        "QLabel[cardTitle=\"true\"]{font:bold 10pt 'Verdana';color:white;}"
        "QGroupBox{background:white;border:none;margin:0;padding:0;}"
        "QLabel[heading=\"true\"]{font:bold 8pt 'Verdana';color:#5A7088;}"
        "QLabel[totalsCaption=\"true\"]{font:9pt 'Verdana';color:#37474F;}"
        "QLabel[computed=\"true\"]{font:bold 11pt 'Verdana';color:#1F3A56;background:#F3F7FB;"
        "border:1px solid #C9D6E3;border-radius:3px;padding:3px 6px;min-height:20px;}"
        "QLabel[grandTotal=\"true\"]{font:bold 14pt 'Verdana';color:#800000;}"
        "#txtTotale{background:#FFF8E7;border:1px solid #D9B97A;border-radius:3px;padding:4px 6px;"
        "min-height:26px;}"
        "#cmdCalcola{font:bold 10pt 'Verdana';color:white;padding:6px;border-radius:4px;border:1px solid #1F4E79;"
        "background:qlineargradient(x1:0,y1:0,x2:0,y2:1,stop:0 #4F9BC6,stop:1 #2C6A8F);}"
        "#cmdCalcola:hover{background:#1F4E79;}"
        "#chkSaldata{font:bold 10pt 'Verdana';color:#2E7D32;}"
        "#panInfo{font:9pt 'Verdana';color:#1F3A56;background:#DCE6F0;border-top:1px solid #A9BCD0;"
        "padding:4px 10px;min-height:16px;}");
}

} // namespace ReceiptWindowStyle

#pragma once
#include <QImage>

// The pictures the printed pages carry.
namespace Report::Pictures {
// The built-in company logo: a blue euro sign, 297 x 184 pixels.
QImage defaultLogo();
// A small euro sign beside printed amounts.
QImage euroSign(int size);
// Logo.bmp of the data folder; the built-in logo when it is missing or unreadable.
QImage companyLogo();

// The illustrations of the small print, preview and PDF windows.
enum class Illustration { Printer, Preview, Pdf };
QImage illustration(Illustration kind, int size);
}

#pragma once
#include "TestSupport.h"

#include <QString>

// Reading back the PDF files the program writes, with the poppler tools.
namespace PdfTools {
// pdftotext of the file; `layout` keeps the physical layout of each line.
QString text(const QString &path, bool layout = true);
// The pdfinfo report ("Pages:", "Title:"...); withMetadata adds the XMP stream.
QString info(const QString &path, bool withMetadata = false);
int pageCount(const QString &path);
// pdftotext of one page, 1-based, in reading order.
QString pageText(const QString &path, int page);
// How many pictures the pages carry (pdfimages -list).
int imageCount(const QString &path);
// A modal-script step answering the print dialog by printing into `pdf`.
ModalScript::Step printInto(const QString &pdf);
}

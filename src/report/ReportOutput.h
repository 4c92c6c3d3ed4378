#pragma once
#include "report/ReportDocument.h"

#include <QImage>

class QPagedPaintDevice;
class QPainter;

namespace Report {

// Paints the pages firstPage..lastPage (0-based, -1 for the last page) of
// the document on an open painter of a paged device (printer or PDF
// writer), `copies` times over.
void paintPages(const Document &document, QPainter &painter, QPagedPaintDevice &device,
                const QDateTime &printedAt, int copies = 1, int firstPage = 0, int lastPage = -1);

// One whole sheet as a picture, white paper, at `dpi` dots per inch.
QImage renderPage(const Document &document, int index, qreal dpi, const QDateTime &printedAt);

struct PdfInfo
{
    QString title;  // the document's name when empty
    QString subject;
};
// Writes the document as a PDF file, replacing an existing one only when the
// new file is complete. False when the file cannot be written.
bool writePdf(const Document &document, const QString &path, const PdfInfo &info,
              const QDateTime &printedAt);

} // namespace Report

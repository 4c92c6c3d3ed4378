#include "report/ReportOutput.h"
#include "ui/Theme.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace Report {

namespace {
constexpr qreal kInchPerMetre = 1 / 0.0254;

QString xmlEscaped(const QString &text) { return text.toHtmlEscaped(); }

QByteArray xmpMetadata(const PdfInfo &info)
{
    const QString alt = QStringLiteral("<rdf:Alt><rdf:li xml:lang=\"x-default\">%1</rdf:li></rdf:Alt>");
    const QString xmp =
        QStringLiteral("<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>\n"
                       "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
                       "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
                       "<rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\""
                       " xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\" xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\">\n"
                       "<dc:title>")
        + alt.arg(xmlEscaped(info.title)) + QStringLiteral("</dc:title>\n<dc:description>")
        + alt.arg(xmlEscaped(info.subject))
        + QStringLiteral("</dc:description>\n"
                         "<dc:creator><rdf:Seq><rdf:li>Valtrena</rdf:li></rdf:Seq></dc:creator>\n"
                         "<xmp:CreatorTool>Valtrena</xmp:CreatorTool>\n"
                         "<pdf:Producer>Valtrena</pdf:Producer>\n"
                         "</rdf:Description>\n</rdf:RDF>\n</x:xmpmeta>\n"
                         "<?xpacket end='w'?>");
    return xmp.toUtf8();
}
} // namespace

void paintPages(const Document &document, QPainter &painter, QPagedPaintDevice &device,
                const QDateTime &printedAt, int copies, int firstPage, int lastPage)
{
    const int count = document.pageCount();
    if (lastPage < 0 || lastPage >= count)
        lastPage = count - 1;
    firstPage = std::max(0, firstPage);
    bool first = true;
    for (int copy = 0; copy < std::max(1, copies); ++copy) {
        for (int page = firstPage; page <= lastPage; ++page) {
            if (!first)
                device.newPage();
            first = false;
            document.paintPage(painter, page, printedAt);
        }
    }
}

QImage renderPage(const Document &document, int index, qreal dpi, const QDateTime &printedAt)
{
    const QPageLayout layout = document.pageLayout();
    const qreal pixelsPerMm = dpi / 25.4;
    const QSizeF sheetMm = layout.fullRect(QPageLayout::Millimeter).size();
    QImage image(qRound(sheetMm.width() * pixelsPerMm), qRound(sheetMm.height() * pixelsPerMm),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi * kInchPerMetre));
    image.setDotsPerMeterY(qRound(dpi * kInchPerMetre));
    image.fill(Theme::colour(Theme::Colour::Paper));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(layout.paintRect(QPageLayout::Millimeter).topLeft() * pixelsPerMm);
    document.paintPage(painter, index, printedAt);
    return image;
}

bool writePdf(const Document &document, const QString &path, const PdfInfo &info,
              const QDateTime &printedAt)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(document.pageLayout());
        PdfInfo named = info;
        if (named.title.isEmpty())
            named.title = document.name();
        writer.setTitle(named.title);
        writer.setCreator(QStringLiteral("Valtrena"));
        writer.setDocumentXmpMetadata(xmpMetadata(named));
        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        paintPages(document, painter, writer, printedAt);
        if (!painter.end())
            return false;
    }
    return file.commit();
}

} // namespace Report

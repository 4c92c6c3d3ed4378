#include "report/ListReport.h"
#include "report/ObjectPainter.h"
#include "ui/Theme.h"

#include <cmath>

namespace Report {

namespace {
constexpr qreal kMarginMm = 10;
constexpr qreal kTitleBandMm = 8;
constexpr qreal kFooterBandMm = 8;

Object banner(const QString &name, QRectF mm, qreal pointSize, const QString &text)
{
    Object o = Report::text(name, mm, pointSize, text, Qt::AlignCenter);
    o.fontFamily = Theme::family(Theme::Face::Body);
    o.bold = true;
    o.textColour = Theme::colour(Theme::Colour::TextOnColour);
    o.fill = Theme::colour(Theme::Colour::PrintSlate);
    return o;
}
} // namespace

ListReport::ListReport(const QString &name) : m_name(name)
{
    m_title.height = kTitleBandMm;
    m_title.objects.append(banner(QStringLiteral("txtTitolo"), QRectF(2, 1, 273, 5), 9,
                                  QStringLiteral("Riepilogo")));
    m_text = text(QStringLiteral("txtRiepilogo"), QRectF(3, 0, 273, lineHeightMm()), 8);
    m_text.fontFamily = Theme::family(Theme::Face::Fixed);
    m_footer.height = kFooterBandMm;
    m_footer.objects.append(banner(QStringLiteral("txtPagina"), QRectF(3, 2, 272, 5), 8,
                                   QStringLiteral("Stampa eseguita in data [DATE]")));
    m_footer.objects.last().variables = true;
}

const Object *ListReport::object(const QString &name) const
{
    return const_cast<ListReport *>(this)->object(name);
}

Object *ListReport::object(const QString &name)
{
    if (name == m_text.name)
        return &m_text;
    for (Band *band : {&m_title, &m_footer})
        for (Object &o : band->objects)
            if (o.name == name)
                return &o;
    return nullptr;
}

void ListReport::setTitle(const QString &title) { object(QStringLiteral("txtTitolo"))->text = title; }

void ListReport::setFooter(const QString &footer) { object(QStringLiteral("txtPagina"))->text = footer; }

QPageLayout ListReport::pageLayout() const { return a4(QPageLayout::Landscape, kMarginMm); }

QList<ListReport::PagePlan> ListReport::plan() const
{
    const qreal pageHeight = pageLayout().paintRect(QPageLayout::Millimeter).height();
    const qreal line = lineHeightMm();
    QList<PagePlan> pages;
    PagePlan page;
    page.title = true;
    page.linesTop = m_title.height;
    qreal y = page.linesTop;
    int next = 0;
    const int total = int(m_lines.size());
    while (next < total) {
        // A small tolerance so that a line ending exactly at the bottom fits.
        const int room = int(std::floor((pageHeight - y) / line + 1e-9));
        const int taken = std::min(room, total - next);
        page.lineCount += taken;
        next += taken;
        y += taken * line;
        if (next < total) {
            pages.append(page);
            page = PagePlan{};
            page.firstLine = next;
            y = 0;
        }
    }
    y += bandPaddingMm();
    if (y + m_footer.height > pageHeight + 1e-9) {
        pages.append(page);
        page = PagePlan{};
        page.firstLine = total;
        y = 0;
    }
    page.footerTop = y;
    pages.append(page);
    return pages;
}

void ListReport::paintPage(QPainter &painter, int index, const QDateTime &printedAt) const
{
    const QList<PagePlan> pages = plan();
    if (index < 0 || index >= pages.size())
        return;
    const PagePlan &page = pages.at(index);
    if (page.title)
        for (const Object &o : m_title.objects)
            paintObject(painter, o, QPointF(0, 0), printedAt);
    Object line = m_text;
    for (int i = 0; i < page.lineCount; ++i) {
        line.text = m_lines.at(page.firstLine + i);
        paintObject(painter, line, QPointF(0, page.linesTop + i * lineHeightMm()), printedAt);
    }
    if (page.footerTop >= 0)
        for (const Object &o : m_footer.objects)
            paintObject(painter, o, QPointF(0, page.footerTop), printedAt);
}

} // namespace Report

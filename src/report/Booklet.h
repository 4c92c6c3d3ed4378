#pragma once
#include "report/ReportDocument.h"
#include "report/ReportObject.h"

#include <QList>

namespace Report {

// A document that flows down its pages: headings, paragraphs wrapped at the
// width of the page and pictures go one under the other, onto a new page
// when the current one is full. Each page is a list of objects like a page
// template's, so it prints, previews and exports through the same outputs.
class Booklet : public Document
{
public:
    struct TextStyle
    {
        QString fontFamily = Theme::family(Theme::Face::Body);
        qreal pointSize = 10;
        bool bold = false;
        QColor colour = Theme::colour(Theme::Colour::PrintInk);
        qreal spaceAfterMm = 0;  // below the block
    };

    // `footerMm` at the bottom of every page are kept free of the flow, for
    // what place() puts there (a page number).
    Booklet(const QString &name, const QPageLayout &layout, qreal footerMm = 0);

    // Text on as many lines as it needs; "\n" ends a line, an empty line
    // leaves the height of one. A block that does not fit goes on.
    void addText(const QString &text, const TextStyle &style);
    // A picture as wide as the page allows, at most `maxHeightMm` high,
    // proportions kept; it starts a new page when the rest is too short.
    void addPicture(const QImage &picture, qreal maxHeightMm, qreal spaceAfterMm = 0);
    void newPage();
    // An object placed by hand on a page that exists, such as a page number.
    void place(int page, const Object &object);

    int currentPage() const { return int(m_pages.size()) - 1; }
    qreal widthMm() const;
    qreal heightMm() const;  // of the flow, above the footer
    const QList<Object> &objects(int page) const { return m_pages.at(page); }

    // The lines a text takes in a box `widthMm` wide: words are kept whole
    // unless one alone is wider than the box.
    static QStringList wrap(const QString &text, const TextStyle &style, qreal widthMm);
    static qreal lineHeightMm(const TextStyle &style);

    QString name() const override { return m_name; }
    QPageLayout pageLayout() const override { return m_layout; }
    int pageCount() const override { return int(m_pages.size()); }
    void paintPage(QPainter &painter, int index, const QDateTime &printedAt) const override;

private:
    QString m_name;
    QPageLayout m_layout;
    qreal m_footerMm;
    QList<QList<Object>> m_pages;
    qreal m_top = 0;  // where the next block goes on the current page, in mm
};

} // namespace Report

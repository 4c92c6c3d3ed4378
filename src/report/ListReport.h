#pragma once
#include "report/ReportDocument.h"
#include "report/ReportObject.h"

#include <QList>
#include <QStringList>

namespace Report {

// The printed result lists: a title band on the first page, one band of
// monospaced text lines that runs over as many pages as it needs, and a
// footer band right after it. Landscape A4, margins 10 mm.
//
// Objects by name: txtTitolo (title), txtRiepilogo (the lines), txtPagina
// (footer, "[DATE]" and "[TIME]" filled when printed).
class ListReport : public Document
{
public:
    explicit ListReport(const QString &name = QStringLiteral("Riepilogo dati"));

    void setTitle(const QString &title);
    void setLines(const QStringList &lines) { m_lines = lines; }
    void addLine(const QString &line) { m_lines.append(line); }
    void setFooter(const QString &footer);
    const QStringList &lines() const { return m_lines; }
    const Object *object(const QString &name) const;
    Object *object(const QString &name);

    // One text line: 12.822 units of 1/96 inch, as the lists were laid out.
    static constexpr qreal lineHeightMm() { return 12.822 * 25.4 / 96.0; }
    static constexpr qreal bandPaddingMm() { return 10 * 25.4 / 96.0; }

    // Where each page's lines and footer go, in millimetres from the top of
    // the printable area; footerTop is negative on pages without the footer.
    struct PagePlan
    {
        bool title = false;
        int firstLine = 0;
        int lineCount = 0;
        qreal linesTop = 0;
        qreal footerTop = -1;
    };
    QList<PagePlan> plan() const;

    QString name() const override { return m_name; }
    QPageLayout pageLayout() const override;
    int pageCount() const override { return int(plan().size()); }
    void paintPage(QPainter &painter, int index, const QDateTime &printedAt) const override;

private:
    struct Band
    {
        qreal height = 0;
        QList<Object> objects;
    };
    QString m_name;
    Band m_title;
    Object m_text;  // geometry of the first line; each line is drawn in its own box
    Band m_footer;
    QStringList m_lines;
};

} // namespace Report

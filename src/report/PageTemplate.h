#pragma once
#include "report/ReportDocument.h"
#include "report/ReportObject.h"

#include <QList>

namespace Report {

// A one-page report: named objects placed on the page itself, filled by
// name before printing.
class PageTemplate : public Document
{
public:
    PageTemplate(const QString &name, const QPageLayout &layout);

    void add(const Object &object) { m_objects.append(object); }
    // Fill by name; false when the template has no such object.
    bool setText(const QString &name, const QString &text);
    bool setPicture(const QString &name, const QImage &image);
    const Object *object(const QString &name) const;
    Object *object(const QString &name);
    const QList<Object> &objects() const { return m_objects; }
    void setPageLayout(const QPageLayout &layout) { m_layout = layout; }

    QString name() const override { return m_name; }
    QPageLayout pageLayout() const override { return m_layout; }
    int pageCount() const override { return 1; }
    void paintPage(QPainter &painter, int index, const QDateTime &printedAt) const override;

private:
    QString m_name;
    QPageLayout m_layout;
    QList<Object> m_objects;
};

} // namespace Report

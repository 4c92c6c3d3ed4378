#pragma once
#include <QDateTime>
#include <QPageLayout>
#include <QString>

class QPainter;

namespace Report {

// Something the outputs can print, preview, export or render: a number of
// pages on one page layout. Pages are painted in device pixels with the
// painter's origin at the top-left corner of the printable area.
class Document
{
public:
    virtual ~Document() = default;
    virtual QString name() const = 0;
    virtual QPageLayout pageLayout() const = 0;
    virtual int pageCount() const = 0;
    // printedAt fills the [DATE] and [TIME] variables.
    virtual void paintPage(QPainter &painter, int index, const QDateTime &printedAt) const = 0;
};

// An A4 layout with the same margin on every side, in millimetres.
QPageLayout a4(QPageLayout::Orientation orientation, qreal marginMm);

} // namespace Report

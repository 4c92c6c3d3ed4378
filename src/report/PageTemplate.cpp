#include "report/PageTemplate.h"
#include "report/ObjectPainter.h"

#include <QPageSize>

namespace Report {

QPageLayout a4(QPageLayout::Orientation orientation, qreal marginMm)
{
    return QPageLayout(QPageSize(QPageSize::A4), orientation,
                       QMarginsF(marginMm, marginMm, marginMm, marginMm), QPageLayout::Millimeter);
}

PageTemplate::PageTemplate(const QString &name, const QPageLayout &layout)
    : m_name(name), m_layout(layout)
{
}

const Object *PageTemplate::object(const QString &name) const
{
    for (const Object &o : m_objects)
        if (o.name == name)
            return &o;
    return nullptr;
}

Object *PageTemplate::object(const QString &name)
{
    for (Object &o : m_objects)
        if (o.name == name)
            return &o;
    return nullptr;
}

bool PageTemplate::setText(const QString &name, const QString &text)
{
    Object *o = object(name);
    if (!o || o->kind != Kind::Text)
        return false;
    o->text = text;
    return true;
}

bool PageTemplate::setPicture(const QString &name, const QImage &image)
{
    Object *o = object(name);
    if (!o || o->kind != Kind::Picture)
        return false;
    o->picture = image;
    return true;
}

void PageTemplate::paintPage(QPainter &painter, int, const QDateTime &printedAt) const
{
    for (const Object &o : m_objects)
        paintObject(painter, o, QPointF(0, 0), printedAt);
}

} // namespace Report

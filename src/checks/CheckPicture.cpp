#include "checks/CheckPicture.h"
#include "ui/Theme.h"

#include <QPainter>
#include <QPainterPath>

namespace {

struct Look
{
    QRgb light;
    QRgb dark;
    const char16_t *label;
    const char16_t *sample;
};

Look lookOf(CheckPicture::Kind kind)
{
    switch (kind) {
    case CheckPicture::Kind::FiscalCode:
        return {0xFF66BB6A, 0xFF2E7D32, u"CODICE FISCALE", u"\u2022\u2022\u2022\u2022\u2022\u2022 \u2022\u2022\u2022\u2022\u2022 \u2022\u2022\u2022\u2022\u2022"};
    case CheckPicture::Kind::VatNumber:
        return {0xFFFFB74D, 0xFFE65100, u"PARTITA IVA", u"\u2022\u2022\u2022\u2022\u2022\u2022\u2022 \u2022\u2022\u2022 \u2022"};
    case CheckPicture::Kind::PaymentCard:
        return {0xFF42A5F5, 0xFF0D47A1, u"CARTA DI CREDITO", u"\u2022\u2022\u2022\u2022 \u2022\u2022\u2022\u2022 \u2022\u2022\u2022\u2022 \u2022\u2022\u2022\u2022"};
    case CheckPicture::Kind::Iban:
        return {0xFF4DB6AC, 0xFF00695C, u"IBAN", u"IT\u2022\u2022 \u2022\u2022\u2022\u2022 \u2022\u2022\u2022\u2022"};
    }
    return {0xFF90A4AE, 0xFF37474F, u"", u""};
}

void drawCard(QPainter &p, const QRectF &card, const Look &look)
{
    QPainterPath shape;
    shape.addRoundedRect(card, 9, 9);
    p.fillPath(shape.translated(2, 3), QColor(0, 0, 0, 45));  // shadow
    QLinearGradient fill(card.topLeft(), card.bottomRight());
    fill.setColorAt(0, QColor::fromRgba(look.light));
    fill.setColorAt(1, QColor::fromRgba(look.dark));
    p.fillPath(shape, fill);
    p.setPen(QPen(QColor::fromRgba(look.dark).darker(120), 1));
    p.drawPath(shape);

    // The chip.
    const QRectF chip(card.left() + 14, card.top() + 30, 24, 18);
    QLinearGradient gold(chip.topLeft(), chip.bottomRight());
    gold.setColorAt(0, QColor(0xFF, 0xE0, 0x82));
    gold.setColorAt(1, QColor(0xC9, 0x9A, 0x2E));
    p.setPen(QPen(QColor(0x9E, 0x7A, 0x20), 0.8));
    p.setBrush(gold);
    p.drawRoundedRect(chip, 3, 3);
    p.drawLine(QPointF(chip.center().x(), chip.top()), QPointF(chip.center().x(), chip.bottom()));
    p.drawLine(QPointF(chip.left(), chip.center().y()), QPointF(chip.right(), chip.center().y()));

    p.setPen(Qt::white);
    QFont title = Theme::font(Theme::Face::Glyphs);
    title.setBold(true);
    title.setPixelSize(10);
    p.setFont(title);
    p.drawText(card.adjusted(14, 9, -10, 0), Qt::AlignLeft | Qt::AlignTop, QString::fromUtf16(look.label));
    QFont digits = Theme::font(Theme::Face::GlyphsMono);
    digits.setPixelSize(11);
    p.setFont(digits);
    p.drawText(card.adjusted(14, 0, -10, -10), Qt::AlignLeft | Qt::AlignBottom, QString::fromUtf16(look.sample));
}

void drawCheckMark(QPainter &p, const QPointF &centre, qreal radius)
{
    p.setPen(QPen(Qt::white, 2.5));
    p.setBrush(QColor(0x00, 0x89, 0x7B));
    p.drawEllipse(centre, radius, radius);
    QPainterPath tick;
    tick.moveTo(centre + QPointF(-radius * 0.45, 0));
    tick.lineTo(centre + QPointF(-radius * 0.1, radius * 0.38));
    tick.lineTo(centre + QPointF(radius * 0.5, -radius * 0.35));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, radius * 0.28, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
}

} // namespace

namespace CheckPicture {

QPixmap draw(Kind kind, qreal devicePixelRatio)
{
    const QSize size(196, 112);
    QPixmap pm(size * devicePixelRatio);
    pm.setDevicePixelRatio(devicePixelRatio);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF card(8, 6, 168, 96);
    drawCard(p, card, lookOf(kind));
    drawCheckMark(p, QPointF(card.right() - 4, card.bottom() - 6), 15);
    return pm;
}

} // namespace CheckPicture

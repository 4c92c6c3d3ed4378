#include "checks/CheckPicture.h"
#include "ui/Theme.h"

#include <QPainter>
#include <QPainterPath>

namespace {

struct Look
{
    Theme::Colour light;
    Theme::Colour dark;
    const char16_t *label;
    const char16_t *sample;
};

Look lookOf(CheckPicture::Kind kind)
{
    switch (kind) {
    case CheckPicture::Kind::FiscalCode:
        return {Theme::Colour::CheckFiscalLight, Theme::Colour::CheckFiscalDark, u"CODICE FISCALE", u"\u2022\u2022\u2022\u2022\u2022\u2022 \u2022\u2022\u2022\u2022\u2022 \u2022\u2022\u2022\u2022\u2022"};
    case CheckPicture::Kind::VatNumber:
        return {Theme::Colour::CheckVatLight, Theme::Colour::CheckVatDark, u"PARTITA IVA", u"\u2022\u2022\u2022\u2022\u2022\u2022\u2022 \u2022\u2022\u2022 \u2022"};
    case CheckPicture::Kind::PaymentCard:
        return {Theme::Colour::CheckCardLight, Theme::Colour::CheckCardDark, u"CARTA DI CREDITO", u"\u2022\u2022\u2022\u2022 \u2022\u2022\u2022\u2022 \u2022\u2022\u2022\u2022 \u2022\u2022\u2022\u2022"};
    case CheckPicture::Kind::Iban:
        return {Theme::Colour::CheckIbanLight, Theme::Colour::CheckIbanDark, u"IBAN", u"IT\u2022\u2022 \u2022\u2022\u2022\u2022 \u2022\u2022\u2022\u2022"};
    }
    return {Theme::Colour::CheckOtherLight, Theme::Colour::CheckOtherDark, u"", u""};
}

void drawCard(QPainter &p, const QRectF &card, const Look &look)
{
    QPainterPath shape;
    shape.addRoundedRect(card, 9, 9);
    p.fillPath(shape.translated(2, 3), Theme::colour(Theme::Colour::Shadow, 45));  // shadow
    QLinearGradient fill(card.topLeft(), card.bottomRight());
    fill.setColorAt(0, Theme::colour(look.light));
    fill.setColorAt(1, Theme::colour(look.dark));
    p.fillPath(shape, fill);
    p.setPen(QPen(Theme::colour(look.dark).darker(120), 1));
    p.drawPath(shape);

    // The chip.
    const QRectF chip(card.left() + 14, card.top() + 30, 24, 18);
    QLinearGradient gold(chip.topLeft(), chip.bottomRight());
    gold.setColorAt(0, Theme::colour(Theme::Colour::CheckChipLight));
    gold.setColorAt(1, Theme::colour(Theme::Colour::CheckChipDark));
    p.setPen(QPen(Theme::colour(Theme::Colour::CheckChipEdge), 0.8));
    p.setBrush(gold);
    p.drawRoundedRect(chip, 3, 3);
    p.drawLine(QPointF(chip.center().x(), chip.top()), QPointF(chip.center().x(), chip.bottom()));
    p.drawLine(QPointF(chip.left(), chip.center().y()), QPointF(chip.right(), chip.center().y()));

    p.setPen(Theme::colour(Theme::Colour::TextOnColour));
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
    p.setPen(QPen(Theme::colour(Theme::Colour::TextOnColour), 2.5));
    p.setBrush(Theme::colour(Theme::Colour::CheckMark));
    p.drawEllipse(centre, radius, radius);
    QPainterPath tick;
    tick.moveTo(centre + QPointF(-radius * 0.45, 0));
    tick.lineTo(centre + QPointF(-radius * 0.1, radius * 0.38));
    tick.lineTo(centre + QPointF(radius * 0.5, -radius * 0.35));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Theme::colour(Theme::Colour::TextOnColour), radius * 0.28, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
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

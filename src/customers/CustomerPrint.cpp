#include "customers/CustomerPrint.h"
#include "customers/CustomerSheet.h"
#include "report/Pictures.h"
#include "report/ui/ReportDialogs.h"
#include "ui/Theme.h"

using namespace Report;

namespace CustomerPrint {

namespace {
QString two(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

Object banner(const QString &name, QRectF mm, qreal pointSize, const QColor &fill)
{
    Object o = text(name, mm, pointSize, {}, Qt::AlignCenter);
    o.fill = fill;
    o.textColour = Theme::colour(Theme::Colour::TextOnColour);
    return o;
}
} // namespace

PageTemplate page(const CustomerRecord &card)
{
    PageTemplate p(QStringLiteral("repScheda"), a4(QPageLayout::Portrait, 10));
    p.add(picture(QStringLiteral("imgLogo"), {3, 3, 17, 13}, Pictures::defaultLogo()));
    p.add(banner(QStringLiteral("txtTitolo"), {23, 3, 165, 9}, 16, Theme::colour(Theme::Colour::CustomerBanner)));
    p.add(horizontalLine(QStringLiteral("linTitolo"), 23, 16, 165));

    const QList<CustomerSheet::Row> rows = CustomerSheet::rows(card);
    for (int n = 1; n <= rows.size(); ++n) {
        const qreal top = 24 + 10 * (n - 1);
        Object title = text(QStringLiteral("titCampo") + two(n), {3, top, 52, 6}, 9, rows[n - 1].title,
                            Qt::AlignLeft | Qt::AlignVCenter);
        title.fill = Theme::colour(Theme::Colour::CustomerCaption);
        title.textColour = Theme::colour(Theme::Colour::TextOnColour);
        p.add(title);
        p.add(text(QStringLiteral("txtCampo") + two(n), {60, top, 128, 6}, 10, rows[n - 1].value,
                   Qt::AlignLeft | Qt::AlignVCenter));
    }

    p.add(horizontalLine(QStringLiteral("linCalce"), 3, 265, 185));
    p.add(banner(QStringLiteral("txtCalce"), {3, 269, 185, 6}, 10, Theme::colour(Theme::Colour::CustomerBanner)));
    p.setText(QStringLiteral("txtTitolo"), CustomerSheet::title());
    p.setText(QStringLiteral("txtCalce"), CustomerSheet::footer());
    return p;
}

bool print(QWidget *parent, const CustomerRecord &card)
{
    return ReportDialogs::print(page(card), parent);
}

} // namespace CustomerPrint

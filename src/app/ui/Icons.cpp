#include "app/ui/Icons.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QPainterPath>

namespace {

struct Badge
{
    const char16_t *glyph;
    QRgb colour;
};

// Drawn faces for the names no bundled picture covers yet.
Badge badgeFor(const QString &name)
{
    static const QHash<QString, Badge> table = {
        {QStringLiteral("new"), {u"+", 0xFF2E7D32}},      {QStringLiteral("save"), {u"\u2713", 0xFF1565C0}},
        {QStringLiteral("first"), {u"\u23EE", 0xFF455A64}}, {QStringLiteral("previous"), {u"\u25C0", 0xFF455A64}},
        {QStringLiteral("next"), {u"\u25B6", 0xFF455A64}},  {QStringLiteral("last"), {u"\u23ED", 0xFF455A64}},
        {QStringLiteral("find"), {u"?", 0xFF6A1B9A}},      {QStringLiteral("print"), {u"P", 0xFF37474F}},
        {QStringLiteral("preview"), {u"A", 0xFF00838F}},   {QStringLiteral("pdf"), {u"PDF", 0xFFC62828}},
        {QStringLiteral("help"), {u"?", 0xFF0277BD}},      {QStringLiteral("exit"), {u"\u2715", 0xFFB71C1C}},
        {QStringLiteral("info"), {u"i", 0xFF0277BD}},      {QStringLiteral("copyright"), {u"\u00A9", 0xFF5D4037}},
        {QStringLiteral("web"), {u"www", 0xFF00695C}},     {QStringLiteral("email"), {u"@", 0xFFEF6C00}},
        {QStringLiteral("import"), {u"\u21B5", 0xFF558B2F}}, {QStringLiteral("excel"), {u"XLS", 0xFF2E7D32}},
        {QStringLiteral("numbering"), {u"#", 0xFF4E342E}},  {QStringLiteral("calendar"), {u"31", 0xFFAD1457}},
        {QStringLiteral("camera"), {u"\u25C9", 0xFF283593}}, {QStringLiteral("folder"), {u"\u25A4", 0xFFF9A825}},
        {QStringLiteral("attach"), {u"\u2709", 0xFF6D4C41}}, {QStringLiteral("check"), {u"\u2714", 0xFF00897B}},
        {QStringLiteral("delete"), {u"\u2716", 0xFFD84315}}, {QStringLiteral("today"), {u"\u2600", 0xFFFF8F00}},
        {QStringLiteral("logo"), {u"\u20AC", 0xFF1565C0}},  {QStringLiteral("chart"), {u"\u2587", 0xFF6A1B9A}},
        {QStringLiteral("list"), {u"\u2630", 0xFF37474F}},  {QStringLiteral("lock"), {u"\u26BF", 0xFF37474F}},
    };
    return table.value(name, Badge{u"\u2022", 0xFF546E7A});
}

QPixmap drawBadge(const QString &name, int size)
{
    const Badge b = badgeFor(name);
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(1, 1, size - 2, size - 2);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    const QColor base = QColor::fromRgba(b.colour);
    g.setColorAt(0, base.lighter(135));
    g.setColorAt(1, base);
    QPainterPath path;
    path.addRoundedRect(r, size * 0.22, size * 0.22);
    p.fillPath(path, g);
    p.setPen(QPen(base.darker(130), 1));
    p.drawPath(path);
    const QString glyph = QString::fromUtf16(b.glyph);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(glyph.size() > 2 ? size * 0.30 : size * 0.55);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, glyph);
    return pm;
}

} // namespace

namespace Icons {

QPixmap pixmap(const QString &name, int size)
{
    for (const char *ext : {".svg", ".png"}) {
        const QString path = QStringLiteral(":/icons/") + name + QLatin1StringView(ext);
        if (QFile::exists(path))
            return QIcon(path).pixmap(size, size);
    }
    return drawBadge(name, size);
}

QIcon icon(const QString &name)
{
    const QString svg = QStringLiteral(":/icons/") + name + QStringLiteral(".svg");
    if (QFile::exists(svg))
        return QIcon(svg);
    QIcon i;
    for (int s : {16, 24, 32, 48, 64})
        i.addPixmap(pixmap(name, s));
    return i;
}

} // namespace Icons

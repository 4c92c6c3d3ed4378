#include "ui/Icons.h"
#include "ui/FieldBehaviour.h"
#include "ui/Theme.h"

#include <QFile>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QSvgRenderer>
#include <QCoreApplication>
#include <QToolButton>

namespace {

struct Badge
{
    const char16_t *glyph;
    Theme::Colour colour;
};

// Drawn faces for the names no bundled picture covers yet.
Badge badgeFor(const QString &name)
{
    using C = Theme::Colour;
    static const QHash<QString, Badge> table = {
        {QStringLiteral("new"), {u"+", C::BadgeGreen}}, {QStringLiteral("save"), {u"\u2713", C::BadgeBlue}},
        {QStringLiteral("first"), {u"\u23EE", C::BadgeSlate}}, {QStringLiteral("previous"), {u"\u25C0", C::BadgeSlate}},
        {QStringLiteral("next"), {u"\u25B6", C::BadgeSlate}}, {QStringLiteral("last"), {u"\u23ED", C::BadgeSlate}},
        {QStringLiteral("find"), {u"?", C::BadgePurple}}, {QStringLiteral("print"), {u"P", C::BadgeCharcoal}},
        {QStringLiteral("preview"), {u"A", C::BadgeTeal}}, {QStringLiteral("pdf"), {u"PDF", C::BadgeRed}},
        {QStringLiteral("help"), {u"?", C::BadgeSky}}, {QStringLiteral("exit"), {u"\u2715", C::BadgeExit}},
        {QStringLiteral("info"), {u"i", C::BadgeSky}}, {QStringLiteral("copyright"), {u"\u00A9", C::BadgeBrown}},
        {QStringLiteral("web"), {u"www", C::BadgeDeepTeal}}, {QStringLiteral("email"), {u"@", C::BadgeOrange}},
        {QStringLiteral("import"), {u"\u21B5", C::BadgeOlive}}, {QStringLiteral("excel"), {u"XLS", C::BadgeGreen}},
        {QStringLiteral("numbering"), {u"#", C::BadgeUmber}}, {QStringLiteral("calendar"), {u"31", C::BadgePink}},
        {QStringLiteral("camera"), {u"\u25C9", C::BadgeIndigo}}, {QStringLiteral("folder"), {u"\u25A4", C::BadgeAmber}},
        {QStringLiteral("attach"), {u"\u2709", C::BadgeCocoa}}, {QStringLiteral("check"), {u"\u2714", C::BadgeCheck}},
        {QStringLiteral("delete"), {u"\u2716", C::BadgeDelete}}, {QStringLiteral("today"), {u"\u2600", C::BadgeSun}},
        {QStringLiteral("logo"), {u"\u20AC", C::BadgeBlue}}, {QStringLiteral("chart"), {u"\u2587", C::BadgePurple}},
        {QStringLiteral("list"), {u"\u2630", C::BadgeCharcoal}}, {QStringLiteral("lock"), {u"\u26BF", C::BadgeCharcoal}},
        {QStringLiteral("backup"), {u"\u21E9", C::BadgeGreen}},
    };
    return table.value(name, Badge{u"\u2022", C::BadgeOther});
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
    const QColor base = Theme::colour(b.colour);
    g.setColorAt(0, base.lighter(135));
    g.setColorAt(1, base);
    QPainterPath path;
    path.addRoundedRect(r, size * 0.22, size * 0.22);
    p.fillPath(path, g);
    p.setPen(QPen(base.darker(130), 1));
    p.drawPath(path);
    const QString glyph = QString::fromUtf16(b.glyph);
    QFont f = Theme::font(Theme::Face::Glyphs);
    f.setBold(true);
    f.setPixelSize(glyph.size() > 2 ? size * 0.30 : size * 0.55);
    p.setFont(f);
    p.setPen(Theme::colour(Theme::Colour::TextOnColour));
    p.drawText(r, Qt::AlignCenter, glyph);
    return pm;
}

QString bundledPath(const QString &name, const char *ext)
{
    const QString path = QStringLiteral(":/icons/") + name + QLatin1StringView(ext);
    return QFile::exists(path) ? path : QString();
}

// The picture fitted into a square of `size`, keeping its proportions. A
// QIcon would read the file twice, once to check it and once to draw it.
QPixmap renderSvg(const QString &path, int size)
{
    QSvgRenderer renderer(path);
    QSize fitted = renderer.defaultSize();
    if (!renderer.isValid() || fitted.isEmpty())
        return {};
    fitted.scale(size, size, Qt::KeepAspectRatio);
    QImage image(fitted, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return QPixmap::fromImage(std::move(image));
}

// The full icon of a name, built once and shared by every button showing it.
QHash<QString, QIcon> &builtIcons()
{
    static QHash<QString, QIcon> built;
    return built;
}

// The icons go with the application: their engines come from a plugin.
void forgetBuiltIcons() { builtIcons().clear(); }

const QIcon &sharedIcon(const QString &name)
{
    QHash<QString, QIcon> &built = builtIcons();
    if (built.isEmpty())
        qAddPostRoutine(forgetBuiltIcons);
    auto it = built.constFind(name);
    if (it != built.cend())
        return *it;
    QIcon icon;
    const QString svg = bundledPath(name, ".svg");
    if (!svg.isEmpty()) {
        icon = QIcon(svg);
    } else {
        for (int s : {16, 24, 32, 48, 64})
            icon.addPixmap(Icons::pixmap(name, s));
    }
    return *built.insert(name, icon);
}

// Stands in for the icon of a name until the icon is first drawn or
// measured: windows that are built but never shown parse no picture.
class DeferredIconEngine : public QIconEngine
{
public:
    explicit DeferredIconEngine(const QString &name) : m_name(name) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, 1.0, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QString iconName() override { return m_name; }
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("valtrena-deferred"); }
    QIconEngine *clone() const override { return new DeferredIconEngine(m_name); }

private:
    const QIcon &icon() const { return sharedIcon(m_name); }

    QString m_name;
};

} // namespace

namespace Icons {

QPixmap pixmap(const QString &name, int size)
{
    const QString key = QStringLiteral("valtrena-icon:") + name + u'@' + QString::number(size);
    QPixmap pm;
    if (QPixmapCache::find(key, &pm))
        return pm;
    if (const QString svg = bundledPath(name, ".svg"); !svg.isEmpty())
        pm = renderSvg(svg, size);
    else if (const QString png = bundledPath(name, ".png"); !png.isEmpty())
        pm = QIcon(png).pixmap(size, size);
    if (pm.isNull())
        pm = drawBadge(name, size);
    QPixmapCache::insert(key, pm);
    return pm;
}

QIcon icon(const QString &name)
{
    return QIcon(new DeferredIconEngine(name));
}

QToolButton *button(QWidget *parent, const QString &name, const QIcon &picture, int size, const QString &tip)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(name);
    b->setIcon(picture);
    b->setIconSize(QSize(size, size));
    b->setAutoRaise(true);
    b->setCursor(Qt::PointingHandCursor);
    b->setToolTip(tip);
    return b;
}

QToolButton *button(QWidget *parent, const char *name, const char *picture, int size, const QString &tip)
{
    return button(parent, QLatin1StringView(name), icon(QLatin1StringView(picture)), size, tip);
}

QToolButton *hintedButton(QWidget *parent, const char *name, const char *picture, int size, const QString &hint)
{
    QToolButton *b = button(parent, name, picture, size, hint);
    FieldBehaviour::setHint(b, hint);
    return b;
}

} // namespace Icons

#include "ui/CardChanges.h"
#include "ui/Controls.h"
#include "ui/Messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {
bool editable(const QWidget *w)
{
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QComboBox *>(w)
           || qobject_cast<const QCheckBox *>(w) || qobject_cast<const QPlainTextEdit *>(w)
           || qobject_cast<const QTextEdit *>(w);
}

// A picture frame shows its picture's identity; any other control its text.
QString valueOf(const QWidget *w)
{
    const QVariant picture = w->property("picture");
    if (picture.metaType() == QMetaType::fromType<QImage>())
        return QString::number(picture.value<QImage>().cacheKey());
    return Controls::text(w);
}
} // namespace

CardChanges::CardChanges(QWidget *window, const QList<QWidget *> &extra)
    : QObject(window), m_window(window), m_controls(extra)
{
    setObjectName(QStringLiteral("cardChanges"));
    // Only the window's own controls: a dialog it has open is not the card.
    for (QWidget *w : window->findChildren<QWidget *>())
        if (editable(w) && w->window() == window && !m_controls.contains(w))
            m_controls.append(w);
    reset();
}

CardChanges *CardChanges::of(const QWidget *window)
{
    return window ? window->findChild<CardChanges *>(QStringLiteral("cardChanges"), Qt::FindDirectChildrenOnly)
                  : nullptr;
}

QList<QString> CardChanges::values() const
{
    QList<QString> out;
    out.reserve(m_controls.size());
    for (const QWidget *w : m_controls)
        out.append(valueOf(w));
    return out;
}

void CardChanges::reset() { m_clean = values(); }

bool CardChanges::changed() const { return values() != m_clean; }

bool CardChanges::ifMayLeave() { return !changed() || Messages::confirm(question(), m_window); }

QString CardChanges::question()
{
    return QStringLiteral("Le modifiche alla scheda corrente non sono state salvate.\n\r\n\rAbbandonare le modifiche?");
}

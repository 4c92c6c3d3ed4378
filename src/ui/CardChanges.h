#pragma once
#include <QList>
#include <QObject>
#include <QString>

class QWidget;

// Whether the card on screen differs from the one last shown, started or
// stored: New, the navigations, opening a record from a list and leaving
// the window ask before throwing a changed card away. It compares what the
// controls show, so typing, pasting and every delivery from another window
// (a search, the calendar, the camera, an import) count, and the window's
// own fills do not once it calls reset() after them.
class CardChanges : public QObject
{
    Q_OBJECT
public:
    // Watches the editable controls `window` holds now (texts, lists, check
    // boxes) and `extra`: hidden state labels, picture frames.
    explicit CardChanges(QWidget *window, const QList<QWidget *> &extra = {});
    // The tracker of `window`, or null when it has none.
    static CardChanges *of(const QWidget *window);

    // The card on screen is a clean one: just stored, loaded or started.
    void reset();
    bool changed() const;
    // True when the card may be left: it is unchanged, or the user chose to
    // abandon the changes.
    bool ifMayLeave();

    static QString question();

private:
    QList<QString> values() const;

    QWidget *m_window;
    QList<QWidget *> m_controls;
    QList<QString> m_clean;
};

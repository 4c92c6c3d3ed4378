#pragma once
#include "ui/Messages.h"
#include "storage/Record.h"

#include <QByteArray>
#include <QString>
#include <functional>

class CardChanges;
class QLabel;
class QWidget;

// Runs one archive operation; a StorageError shows the fixed input/output
// message (as an error box unless told otherwise) and returns false.
bool runArchiveOperation(const std::function<void()> &operation,
                         MessageKind kind = MessageKind::Error);

// First / Previous / Next / Last and store for a window showing one record
// of an archive at a time; its only pointer is the position label.
class ArchiveNavigator
{
public:
    struct Binding
    {
        std::function<QString()> path;                       // the archive
        int recordSize = 0;
        std::function<void(const QByteArray &, int)> show;   // fill controls from record n
        std::function<QByteArray()> collect;                 // record bytes from controls
        // The box that reports an input/output failure of First and of
        // store; some windows report those two as warnings.
        MessageKind firstFailure = MessageKind::Error;
        MessageKind storeFailure = MessageKind::Error;
        // A number that must be unique in the archive, when the record has one.
        struct Number
        {
            int offset = -1;  // its slot in the record
            int capacity = 0;
            std::function<QString()> shown;                // the number on screen
            std::function<void(const QString &)> show;     // puts a number on screen
            std::function<QString(int count)> propose;     // New's number for `count` records
            std::function<void()> focus;                   // the focus into the number field
        } number;
    };
    ArchiveNavigator(QLabel *position, Binding binding);
    // The window's tracker of unsaved changes: showing another record asks
    // first, and a record shown or stored is the clean card.
    void setChanges(CardChanges *changes) { m_changes = changes; }

    // Each returns true when a record was shown or stored.
    bool first();
    bool previous();
    bool next();
    bool last();
    bool load(int index);  // 0-based
    // Overwrites the record in the position label or appends a new one.
    // With a unique number, under the append lock: a number another record
    // holds is refused with a warning, unless it is the one New proposed, which
    // then gives way to the next free proposed number (see renumbered()).
    bool store();
    // The number New put on screen; cleared when a record is shown or stored.
    void setProposedNumber(const QString &number) { m_proposed = number; }
    // Whether the last store() took another number than the proposed one.
    bool renumbered() const { return m_renumbered; }
    // Save's tail, shared by the area windows: stores, runs `afterStore`
    // (which may still fail), then tells whether the record was inserted or
    // updated. `renumberedNotice`, with %1 for the number taken, replaces the
    // insertion notice when another workstation had used the proposed number.
    bool storeAndNotify(QWidget *window, const QString &renumberedNotice = {},
                        const std::function<bool()> &afterStore = {});

    int position() const;  // 1-based; 0 for a new card
    void clearPosition();

private:
    // False when the user kept the changed card on screen.
    bool showRecord(class RecordFile &file, int index);
    // Sets `takenBy` to the 1-based position holding the number, storing nothing.
    void storeNumbered(int position, int &takenBy);
    QLabel *m_position;
    Binding m_binding;
    CardChanges *m_changes = nullptr;
    QString m_proposed;
    bool m_renumbered = false;
};

// The binding of a window that shows records of type R through the binder.
template <class R>
ArchiveNavigator::Binding recordBinding(QWidget *window, std::function<QString()> path,
                                        std::function<void(const R &, int)> afterShow = {},
                                        std::function<void(R &)> beforeStore = {});

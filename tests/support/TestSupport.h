#pragma once
#include "ui/Messages.h"

#include <QAbstractItemView>
#include <QDialog>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <source_location>

// A fresh data folder for one test, removed afterwards; the clock is fixed
// at a known moment while it lives.
class TempDataDir
{
public:
    explicit TempDataDir(const QDateTime &now = QDateTime(QDate(2025, 6, 15), QTime(10, 30)));
    ~TempDataDir();
    QString path() const;                    // with trailing separator
    QString file(const QString &name) const;
    void writeBytes(const QString &name, const QByteArray &bytes) const;
    QByteArray readBytes(const QString &name) const;

private:
    QTemporaryDir m_dir;
};

// Records every message box instead of showing it; answers confirmations
// from a script (yes when the script is empty).
class MessageRecorder
{
public:
    struct Entry
    {
        MessageKind kind;
        QString text;
    };
    MessageRecorder();
    ~MessageRecorder();
    void answerNext(bool yes) { m_answers.append(yes); }
    const QList<Entry> &entries() const { return m_entries; }
    QStringList texts() const;
    bool isEmpty() const { return m_entries.isEmpty(); }
    Entry last() const { return m_entries.isEmpty() ? Entry{MessageKind::Plain, {}} : m_entries.last(); }
    void clear() { m_entries.clear(); }

private:
    QList<Entry> m_entries;
    QList<bool> m_answers;
};

// Runs modal dialogs through a script: each scripted step receives the live
// dialog and returns its result; unscripted dialogs are rejected.
class ModalScript
{
public:
    using Step = std::function<int(QDialog *)>;
    ModalScript();
    ~ModalScript();
    void then(Step step) { m_steps.append(std::move(step)); }
    QStringList seen() const { return m_seen; }  // objectNames of the dialogs run

private:
    QList<Step> m_steps;
    QStringList m_seen;
};

// Records what would have been handed to the desktop.
class ShellRecorder
{
public:
    ShellRecorder();
    ~ShellRecorder();
    QStringList commands;
};

// Answers file dialogs and the input box from scripts.
class FileScript
{
public:
    FileScript();
    ~FileScript();
    QStringList answers;  // next path per request; empty means cancelled
    QStringList captions;
};

namespace TestSupport {
using Where = std::source_location;
// Types text into a control as a user would, one key at a time.
void typeInto(QWidget *control, const QString &text);
// These find a control of `window` by object name. A control that is not
// there, or not of the kind asked for, fails the running test at the
// caller's line, naming the control; the helper then does nothing (returns
// null or an empty text), so a caller that goes on must check
// QTest::currentTestFailed() before relying on the control.
QWidget *control(const QWidget *window, const QString &name, Where where = Where::current());
void click(QWidget *window, const QString &name, Where where = Where::current());
QString text(const QWidget *window, const QString &name, Where where = Where::current());
void setText(QWidget *window, const QString &name, const QString &value, Where where = Where::current());
void typeInto(QWidget *window, const QString &name, const QString &text, Where where = Where::current());
// Average difference per channel (0-255) of two pictures; 255 when their
// sizes differ. JPEG round trips stay within a few units.
double imageDifference(const QImage &a, const QImage &b);
// Scrolls a shown list to its right end and tells how many pixels of line
// `row` (its text in the item's own font) still lie beyond the viewport or
// beyond its item; 0 when the line can be read to its end.
int hiddenLineTail(QAbstractItemView *view, int row);
}

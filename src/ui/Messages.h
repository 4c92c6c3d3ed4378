#pragma once
#include <QString>
#include <functional>

class QWidget;

enum class MessageKind { Warning, Error, Information, Confirmation, Plain };

// Every message box of the program goes through here, so tests can record
// what the user would have seen and script the answers.
namespace Messages {
// Returns true unless the user answered "No" (or cancelled a confirmation).
bool show(MessageKind kind, const QString &text, QWidget *parent = nullptr);
inline void warning(const QString &text, QWidget *p = nullptr) { show(MessageKind::Warning, text, p); }
inline void error(const QString &text, QWidget *p = nullptr) { show(MessageKind::Error, text, p); }
inline void information(const QString &text, QWidget *p = nullptr) { show(MessageKind::Information, text, p); }
inline void plain(const QString &text, QWidget *p = nullptr) { show(MessageKind::Plain, text, p); }
inline bool confirm(const QString &text, QWidget *p = nullptr) { return show(MessageKind::Confirmation, text, p); }

using Handler = std::function<bool(MessageKind, const QString &)>;
// Replaces the real boxes; an empty handler restores them.
void setHandler(Handler handler);
}

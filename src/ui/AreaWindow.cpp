#include "ui/AreaWindow.h"
#include "ui/CardChanges.h"
#include "ui/FieldBehaviour.h"
#include "ui/Help.h"
#include "ui/AppWindows.h"
#include "ui/Looks.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

AreaWindow::AreaWindow(const QString &className, const QString &caption,
                       Presentation presentation, QWidget *parent)
    : QWidget(parent, Qt::Window), m_presentation(presentation)
{
    setObjectName(className);
    setWindowTitle(caption);
    Looks::install();
    Looks::set(this, Looks::Look::Page);
}

void AreaWindow::present()
{
    if (m_presentation == Presentation::Maximised) {
        // Without a window manager "maximised" means nothing: fill the screen ourselves.
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            setGeometry(screen->availableGeometry());
        showMaximized();
    } else {
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            adjustSize();
            move(screen->availableGeometry().center() - rect().center());
        }
        show();
    }
    raise();
    activateWindow();
}

void AreaWindow::formClose()
{
    AppWindows::show(AppWindows::mainMenu());
}

void AreaWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_oneLine) {
        // Every control exists by now; what the window shows first is kept on one line too.
        FieldBehaviour::keepOneLine(this);
        Help::bindKey(this);
        m_oneLine = true;
    }
    if (!event->spontaneous())
        formShow();
}

void AreaWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    // Esci and the close box alike: a changed card is left only when the user says so.
    if (auto *changes = CardChanges::of(this); changes && !changes->ifMayLeave())
        return;
    formClose();
    hide();
}

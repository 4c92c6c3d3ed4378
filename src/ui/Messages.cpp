#include "ui/Messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {
Messages::Handler g_handler;

struct BoxStyle
{
    QMessageBox::Icon icon;
    const char16_t *title;
};

BoxStyle styleOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning: return {QMessageBox::Warning, u"Attenzione"};
    case MessageKind::Error: return {QMessageBox::Critical, u"Errore"};
    case MessageKind::Information: return {QMessageBox::Information, u"Informazione"};
    case MessageKind::Confirmation: return {QMessageBox::Question, u"Conferma"};
    case MessageKind::Plain: break;
    }
    return {QMessageBox::NoIcon, u"Valtrena"};
}
} // namespace

namespace Messages {

bool show(MessageKind kind, const QString &text, QWidget *parent)
{
    if (g_handler)
        return g_handler(kind, text);
    if (!parent)
        parent = QApplication::activeWindow();
    const BoxStyle style = styleOf(kind);
    QMessageBox box(style.icon, QString::fromUtf16(style.title), text, QMessageBox::NoButton, parent);
    QPushButton *no = nullptr;
    switch (kind) {
    case MessageKind::Confirmation:
        box.setDefaultButton(box.addButton(QStringLiteral("Sì"), QMessageBox::YesRole));
        no = box.addButton(QStringLiteral("No"), QMessageBox::NoRole);
        box.setEscapeButton(no);
        break;
    case MessageKind::Plain:
        box.setDefaultButton(box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole));
        break;
    default:
        box.setDefaultButton(box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole));
        box.setEscapeButton(box.addButton(QStringLiteral("Annulla"), QMessageBox::RejectRole));
        break;
    }
    box.exec();
    return !(no && box.clickedButton() == no);
}

void setHandler(Handler handler) { g_handler = std::move(handler); }

} // namespace Messages

// A copy of the program at another workstation: it saves cards through the
// real register, customer or receipt window, one after another, on a shared folder.
//   vt_save_worker register|customer|receipt FOLDER COUNT TAG
// COUNT 0 saves until killed. Each saved card prints its number on stdout.
#include "ui/Controls.h"
#include "ui/Messages.h"
#include "customers/CustomerWindow.h"
#include "receipts/ReceiptWindow.h"
#include "register/RegisterWindow.h"
#include "storage/DataFolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// A control that is not there stops the worker with an error, so that the
// test waiting on it fails instead of counting cards saved without their tag.
template <class Control = QWidget>
Control *control(QWidget *w, const char *name)
{
    auto *c = qobject_cast<Control *>(Controls::child(w, QLatin1StringView(name)));
    if (!c) {
        std::fprintf(stderr, "no control %s in %s\n", name, qPrintable(w->objectName()));
        std::exit(3);
    }
    return c;
}

void set(QWidget *w, const char *name, const QString &text) { Controls::setText(control(w, name), text); }

void click(QWidget *w, const char *name) { control<QAbstractButton>(w, name)->click(); }

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5)
        return 2;
    const bool receipts = args[1] == u"receipt";
    const bool customers = args[1] == u"customer";
    DataFolder::set(args[2]);
    const int count = args[3].toInt();
    const QString tag = args[4];

    QString last;
    Messages::setHandler([&last](MessageKind, const QString &text) {
        last = text;
        return true;
    });
    std::unique_ptr<QWidget> window;
    if (receipts) {
        window = std::make_unique<TfrmRicevute>();
        set(window.get(), "lblFile", DataFolder::file(QStringLiteral("2025.ric")));
    } else if (customers) {
        window = std::make_unique<TfrmAnagrafica>();
    } else {
        window = std::make_unique<TfrmRegistro>();
    }
    window->show();

    const QString inserted = QStringLiteral("La scheda corrente è stata inserita in archivio.");
    for (int i = 0; count == 0 || i < count; ++i) {
        click(window.get(), "cmdNuovo");
        const QString mark = QString::number(i);
        if (customers) {
            set(window.get(), "txtCognome", tag);
            set(window.get(), "txtNome", mark);
        } else if (receipts) {
            set(window.get(), "txtCliente", tag);
            set(window.get(), "txtNote", mark);
        } else {
            set(window.get(), "txtCliente", tag);
            set(window.get(), "txtNatura", QStringLiteral("Oro giallo"));
            set(window.get(), "txtDescrizione", mark);
        }
        last.clear();
        click(window.get(), "cmdSalva");
        // Both copies propose the same number often; the later one takes the next.
        const bool renumbered = last.contains(QStringLiteral("corrente è stata inserita in archivio con il numero"));
        if (last != inserted && !renumbered) {
            std::fprintf(stderr, "save %d: %s\n", i, qPrintable(last));
            return 1;
        }
        std::printf("%d\n", i);
        std::fflush(stdout);
    }
    return 0;
}

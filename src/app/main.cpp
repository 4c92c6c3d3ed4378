#include "access/PasswordFile.h"
#include "app/Startup.h"
#include "ui/WindowNames.h"
#include "ui/AppWindows.h"
#include "storage/DataFolder.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    Startup::setUpApplication();
    DataFolder::configure(QApplication::arguments());
    PasswordFile::seedIfMissing();
    const QList<QWidget *> windows = Startup::createAreaWindows();
    AppWindows::show(WindowNames::password);
    const int code = app.exec();
    qDeleteAll(windows);
    return code;
}

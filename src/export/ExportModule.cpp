#include "export/ExportModule.h"
#include "export/ExportWindows.h"
#include "ui/Dialogs.h"

namespace ExportModule {

template <class Window>
void add()
{
    Dialogs::add(QString::fromLatin1(Window::staticMetaObject.className()),
                 [](QWidget *parent) -> QDialog * { return new Window(parent); });
}

void registerDialogs()
{
    add<TfrmExpRegistro>();
    add<TfrmExpClienti>();
    add<TfrmExpRicevute>();
}

} // namespace ExportModule

#include "customers/CustomerWindow.h"

TfrmAnagrafica::TfrmAnagrafica(QWidget *parent)
    : AreaWindow(QStringLiteral("TfrmAnagrafica"), QStringLiteral(" Valtrena - Anagrafica Clienti"), Presentation::Maximised, parent)
{
}

#include "register/RegisterWindow.h"

TfrmRegistro::TfrmRegistro(QWidget *parent)
    : AreaWindow(QStringLiteral("TfrmRegistro"), QStringLiteral(" Valtrena - Registro Operazioni"), Presentation::Maximised, parent)
{
}

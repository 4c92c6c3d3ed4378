#include "summaries/StatisticsWindow.h"

TfrmStatistiche::TfrmStatistiche(QWidget *parent)
    : AreaWindow(QStringLiteral("TfrmStatistiche"), QStringLiteral(" Valtrena - Statistiche ricevute emesse"), Presentation::Maximised, parent)
{
}

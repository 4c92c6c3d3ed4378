#pragma once
#include "ui/AreaWindow.h"
#include "summaries/ReceiptDateCut.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class StatisticsChart;

// The monthly takings of a year's receipts as a chart: a year panel first,
// then the chart panel with its kind buttons and printing.
class TfrmStatistiche : public AreaWindow
{
    Q_OBJECT
public:
    explicit TfrmStatistiche(QWidget *parent = nullptr);

public slots:
    void btnApriClick();
    void btnTortaClick();
    void btnBarreClick();
    void btnStampaClick();
    void imgGuidaClick();

protected:
    void formShow() override;

private:
    QFrame *buildYearPanel();
    QFrame *buildChartPanel();
    QList<ReceiptDateCut::Unplaced> fillChart(const QString &year);

    QFrame *panAvvio;
    QLineEdit *txtAnno;
    QPushButton *btnApri;
    QLabel *lblFile;
    QList<QLabel *> memMonths;  // memGennaio ... memDicembre
    QFrame *panContainer;
    QLabel *lblTitolo;
    StatisticsChart *ChartStats;
    QLabel *panInfo;
};

#pragma once
#include "summaries/PeriodSummaryRules.h"
#include "resultlist/ResultListDialog.h"

class QComboBox;
class QFrame;
class QLabel;

// The receipts of a month, a quarter or the whole year of the receipt
// window's archive, with their four totals. The month and quarter windows
// first ask for the period; the year window lists at once.
class PeriodSummaryWindow : public ResultListDialog
{
    Q_OBJECT
public:
    PeriodSummaryWindow(PeriodSummaryRules::Period period, QWidget *parent);

public slots:
    void btnVisualizzaClick();
    void imgGuidaClick();

protected:
    QStringList totalsLines() const override;
    QString reportTitle() const override;

private:
    QFrame *buildSelection();
    void buildTotals();
    // Fills the list for the chosen period; false when the reading failed.
    bool build(const QString &chosen, const QString &year);

    PeriodSummaryRules::Period m_period;
    QFrame *panSelezione = nullptr;
    QComboBox *cboSelezione = nullptr;
    QLabel *lblAnno = nullptr;
    QLabel *titTipologia;
    QLabel *panInfo;
    QList<QLabel *> m_totals;  // lblTotImponibile, lblTotImposta, lblTotEsente, lblTotale
};

class TfrmRiepMensile : public PeriodSummaryWindow
{
    Q_OBJECT
public:
    explicit TfrmRiepMensile(QWidget *parent = nullptr)
        : PeriodSummaryWindow(PeriodSummaryRules::Period::Month, parent) {}
};

class TfrmRiepTrimestrale : public PeriodSummaryWindow
{
    Q_OBJECT
public:
    explicit TfrmRiepTrimestrale(QWidget *parent = nullptr)
        : PeriodSummaryWindow(PeriodSummaryRules::Period::Quarter, parent) {}
};

class TfrmRiepAnnuale : public PeriodSummaryWindow
{
    Q_OBJECT
public:
    explicit TfrmRiepAnnuale(QWidget *parent = nullptr)
        : PeriodSummaryWindow(PeriodSummaryRules::Period::Year, parent) {}
};

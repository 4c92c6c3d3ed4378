#pragma once
#include "resultlist/ResultListDialog.h"

#include <QDate>

// The customers whose next instalment falls within their notice or is
// overdue; a double-click shows the card in the customer window.
class TfrmDaRinnovare : public ResultListDialog
{
    Q_OBJECT
public:
    explicit TfrmDaRinnovare(QWidget *parent = nullptr);

    // Listed from the due date minus the notice days on. A card whose date
    // or notice cannot be read is left out.
    static bool isDue(const char *record, const QDate &today);
    static QString lineOf(const char *record);

protected:
    void formShow() override;
    void deliver(const ArchiveScan::Found &found) override;
};

#pragma once
#include "resultlist/SearchDialog.h"

// Finds customer cards by up to ten partial keys and copies the chosen one
// into the window named by the caller token.
class TfrmTrovaClienti : public SearchDialog
{
    Q_OBJECT
public:
    explicit TfrmTrovaClienti(QWidget *parent = nullptr);

    // The result line of one encoded customer record.
    static QString lineOf(const char *record);

protected:
    void deliver(const ArchiveScan::Found &found) override;
};

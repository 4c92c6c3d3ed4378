#pragma once
#include "resultlist/ResultListDialog.h"

class QLabel;

// The inventory: the unsold objects whose nature matches the chooser's
// filter, their number and their total value.
class TfrmRiepilogo : public ResultListDialog
{
    Q_OBJECT
public:
    // `chooser` is the inventory chooser: the filter is read from it, and its
    // waiting label is hidden when the inventory closes.
    explicit TfrmRiepilogo(QWidget *chooser = nullptr);

    static QString allObjects() { return QStringLiteral("Tutti gli oggetti disponibili."); }
    static QString countText(int objects);

public slots:
    void imgGuidaClick();

protected:
    void formShow() override;
    void formClose() override;
    QStringList totalsLines() const override;
    QString reportTitle() const override;

private:
    QLabel *titTipologia;
    QLabel *panInfo;
    QLabel *lblTotale;
};

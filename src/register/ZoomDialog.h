#pragma once
#include <QDialog>

class PhotoFrame;

// Shows one photo as large as the screen allows; a click closes it.
class TfrmZoom : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmZoom(QWidget *parent = nullptr);
    void setPicture(const QImage &picture);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    PhotoFrame *imgFoto;
};

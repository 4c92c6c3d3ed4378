#pragma once
#include <QDialog>

class CameraSource;
class PhotoFrame;

// Takes a photo of the object with the camera and hands it to one of the
// register window's frames; the caller token ("foto01", "foto02") says which.
// The camera is switched off whichever way the dialog is left.
class TfrmWebCam : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmWebCam(QWidget *parent = nullptr);
    ~TfrmWebCam() override;

public slots:
    void btnAccendiClick();
    void btnSpegniClick();
    void btnCatturaClick();
    void btnSalvaFotogrammaClick();
    void btnImportaFotoClick();
    void btnCloseClick();
    void reject() override;

private:
    CameraSource *camCamera;
    PhotoFrame *imgCamera;
    PhotoFrame *imgTarget;
    PhotoFrame *imgBianco;
};

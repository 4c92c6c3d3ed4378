#include "register/ZoomDialog.h"
#include "ui/Theme.h"
#include "ui/WindowNames.h"
#include "register/PhotoFrame.h"

#include <QEvent>
#include <QVBoxLayout>

TfrmZoom::TfrmZoom(QWidget *parent) : QDialog(parent)
{
    setObjectName(WindowNames::of<TfrmZoom>());
    setWindowTitle(QStringLiteral(" Fai clic sulla foto per chiudere questa finestra"));
    setWindowState(Qt::WindowMaximized);
    setStyleSheet(Theme::sheet(Theme::Sheet::PhotoZoom));

    auto *panFoto = new QWidget(this);
    panFoto->setObjectName(QStringLiteral("panFoto"));
    panFoto->setAttribute(Qt::WA_StyledBackground);
    panFoto->setCursor(Qt::PointingHandCursor);
    panFoto->installEventFilter(this);
    imgFoto = new PhotoFrame(QStringLiteral("imgFoto"), panFoto);
    auto *inner = new QVBoxLayout(panFoto);
    inner->setContentsMargins(0, 0, 0, 0);
    inner->addWidget(imgFoto);

    // The panel takes the window less 60 points across and 90 down, centred.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(30, 45, 30, 45);
    layout->addWidget(panFoto);

    connect(imgFoto, &PhotoFrame::clicked, this, &QDialog::accept);
}

void TfrmZoom::setPicture(const QImage &picture) { imgFoto->setPicture(picture); }

bool TfrmZoom::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

#pragma once
#include "TestSupport.h"
#include "register/CameraSource.h"
#include "register/PhotoFrame.h"

#include <QDialog>
#include <QImage>
#include <QTest>

// The camera dialog as the operator uses it: switch on, one frame, capture,
// import. `camera` is where the test's camera factory puts the source it makes.
inline ModalScript::Step takePhoto(FedCameraSource *const *camera, const QImage &frame)
{
    return [camera, frame](QDialog *d) {
        d->show();
        TestSupport::click(d, QStringLiteral("btnAccendi"));
        (*camera)->feed(frame);
        auto *live = d->findChild<PhotoFrame *>(QStringLiteral("imgCamera"));
        if (!QTest::qWaitFor([&] { return live->picture() == frame; }))
            qWarning("the live view never showed the frame");
        TestSupport::click(d, QStringLiteral("btnCattura"));
        TestSupport::click(d, QStringLiteral("btnImportaFoto"));
        return d->result();
    };
}

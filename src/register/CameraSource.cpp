#include "register/CameraSource.h"
#include "register/QtCameraSource.h"

namespace {
CameraSource::Factory &factory()
{
    static CameraSource::Factory installed;
    return installed;
}
}

CameraSource *CameraSource::create(QObject *parent)
{
    if (factory())
        return factory()(parent);
    return new QtCameraSource(parent);
}

void CameraSource::setFactory(Factory f) { factory() = std::move(f); }

void FedCameraSource::feed(const QImage &frame)
{
    // Queued even from the user-interface thread, as a real camera would be.
    QMetaObject::invokeMethod(
        this,
        [this, frame] {
            if (m_active)
                emit frameReady(frame);
        },
        Qt::QueuedConnection);
}

#include "register/QtCameraSource.h"

#include <QCamera>
#include <QCameraDevice>
#include <QMediaCaptureSession>
#include <QMediaDevices>
#include <QVideoSink>

QtCameraSource::QtCameraSource(QObject *parent) : CameraSource(parent) {}

QtCameraSource::~QtCameraSource()
{
    if (!m_camera)
        return;
    // No frame may reach this object once it starts going away.
    disconnect(m_sink.get(), nullptr, this, nullptr);
    m_camera->stop();
    m_session.reset();
    m_camera.reset();
    m_sink.reset();
}

void QtCameraSource::start()
{
    if (m_camera) {
        m_camera->start();
        return;
    }
    const QCameraDevice device = QMediaDevices::defaultVideoInput();
    if (device.isNull())
        return;  // no camera: the live view simply stays empty
    m_sink = std::make_unique<QVideoSink>();
    m_camera = std::make_unique<QCamera>(device);
    m_session = std::make_unique<QMediaCaptureSession>();
    m_session->setCamera(m_camera.get());
    m_session->setVideoSink(m_sink.get());
    // The sink may report on the camera's own thread; receive() only stores
    // the frame and leaves the picture work to the user-interface thread.
    connect(m_sink.get(), &QVideoSink::videoFrameChanged, this,
            [this](const QVideoFrame &frame) { receive(frame); }, Qt::DirectConnection);
    m_camera->start();
}

void QtCameraSource::stop()
{
    if (m_camera)
        m_camera->stop();
}

bool QtCameraSource::isActive() const { return m_camera && m_camera->isActive(); }

void QtCameraSource::receive(const QVideoFrame &frame)
{
    QMutexLocker lock(&m_mutex);
    m_latest = frame;
    if (m_pending)
        return;  // the newest frame replaces one not yet shown
    m_pending = true;
    QMetaObject::invokeMethod(this, [this] { deliverLatest(); }, Qt::QueuedConnection);
}

void QtCameraSource::deliverLatest()
{
    QVideoFrame frame;
    {
        QMutexLocker lock(&m_mutex);
        frame = m_latest;
        m_latest = QVideoFrame();
        m_pending = false;
    }
    if (!isActive() || !frame.isValid())
        return;
    const QImage image = frame.toImage();
    if (!image.isNull())
        emit frameReady(image);
}

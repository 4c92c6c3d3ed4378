#pragma once
#include "register/CameraSource.h"

#include <QMutex>
#include <QVideoFrame>
#include <memory>

class QCamera;
class QMediaCaptureSession;
class QVideoSink;

// The platform's default video input through Qt Multimedia. Without a
// camera it stays off and delivers nothing.
class QtCameraSource : public CameraSource
{
    Q_OBJECT
public:
    explicit QtCameraSource(QObject *parent = nullptr);
    ~QtCameraSource() override;
    void start() override;
    void stop() override;
    bool isActive() const override;

private:
    void receive(const QVideoFrame &frame);  // camera thread
    void deliverLatest();                    // user-interface thread

    std::unique_ptr<QMediaCaptureSession> m_session;
    std::unique_ptr<QCamera> m_camera;
    std::unique_ptr<QVideoSink> m_sink;
    QMutex m_mutex;
    QVideoFrame m_latest;
    bool m_pending = false;
};

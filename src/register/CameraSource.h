#pragma once
#include <QImage>
#include <QObject>
#include <atomic>
#include <functional>

// A video input for the camera dialog. Frames may arrive on any thread;
// frameReady is always emitted on the user-interface thread, so pictures
// are only ever touched there.
class CameraSource : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    virtual void start() = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;

    // The camera the dialogs use: the platform's default video input unless
    // a factory is installed (tests, screenshots). An empty factory restores it.
    using Factory = std::function<CameraSource *(QObject *parent)>;
    static CameraSource *create(QObject *parent);
    static void setFactory(Factory factory);

signals:
    void frameReady(const QImage &frame);
};

// A camera fed by the caller: every frame handed to feed() while it is on
// reaches frameReady on the user-interface thread, whatever thread fed it.
class FedCameraSource : public CameraSource
{
    Q_OBJECT
public:
    using CameraSource::CameraSource;
    void start() override { m_active = true; }
    void stop() override { m_active = false; }
    bool isActive() const override { return m_active; }
    void feed(const QImage &frame);

private:
    std::atomic_bool m_active{false};
};

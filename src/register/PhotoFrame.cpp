#include "register/PhotoFrame.h"
#include "ui/Theme.h"

#include <QMouseEvent>
#include <QPainter>

PhotoFrame::PhotoFrame(const QString &name, QWidget *parent) : QWidget(parent)
{
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PhotoFrame::setPicture(const QImage &picture) { setFilePicture({picture, {}}); }

void PhotoFrame::setFilePicture(const PhotoFiles::Picture &picture)
{
    m_picture = picture.image;
    m_jpeg = picture.jpeg;
    m_changed = true;
    m_shown = QImage();
    update();
}

void PhotoFrame::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Theme::colour(Theme::Colour::PhotoBackdrop));
    const QRect inner = rect().adjusted(1, 1, -1, -1);
    if (!m_picture.isNull()) {
        const QSize fitted = m_picture.size().scaled(inner.size(), Qt::KeepAspectRatio);
        if (m_shown.size() != fitted)
            m_shown = m_picture.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QRect target(QPoint(0, 0), fitted);
        target.moveCenter(inner.center());
        p.drawImage(target, m_shown);
    } else if (!m_emptyText.isEmpty()) {
        p.setPen(Theme::colour(Theme::Colour::PhotoCaption));
        p.drawText(inner, Qt::AlignCenter | Qt::TextWordWrap, m_emptyText);
    }
    p.setPen(Theme::colour(Theme::Colour::Steel));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void PhotoFrame::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

#pragma once
#include <QImage>
#include <QWidget>

// A picture frame: holds a picture at its own resolution and shows it
// scaled to fit, keeping its proportions. Other windows read and set the
// picture by the frame's name through the "picture" property.
class PhotoFrame : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QImage picture READ picture WRITE setPicture)
public:
    PhotoFrame(const QString &name, QWidget *parent = nullptr);

    QImage picture() const { return m_picture; }
    void setPicture(const QImage &picture);
    // What the frame shows while it holds no picture (a camera not yet on).
    void setEmptyText(const QString &text) { m_emptyText = text; update(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QImage m_picture;
    QImage m_shown;  // the picture scaled to the frame, made once per size
    QString m_emptyText;
};

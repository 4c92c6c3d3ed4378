#pragma once
#include "register/PhotoFiles.h"

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
    // A new picture (captured, drawn, the placeholder): it has no file of its own.
    void setPicture(const QImage &picture);
    // A picture read from a file, keeping that file's JPEG bytes.
    void setFilePicture(const PhotoFiles::Picture &picture);
    PhotoFiles::Picture filePicture() const { return {m_picture, m_jpeg}; }
    // Whether the picture was set since the last setUnchanged(): the register
    // writes a card's photo file only when its frame changed.
    bool changed() const { return m_changed; }
    void setUnchanged() { m_changed = false; }
    // What the frame shows while it holds no picture (a camera not yet on).
    void setEmptyText(const QString &text) { m_emptyText = text; update(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QImage m_picture;
    QByteArray m_jpeg;
    bool m_changed = false;
    QImage m_shown;  // the picture scaled to the frame, made once per size
    QString m_emptyText;
};

#include "Shooter.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTest>
#include <QWidget>

Shooter::Shooter(const QString &outDir, QSize screen) : m_outDir(outDir), m_screen(screen)
{
    if (!outDir.isEmpty())
        QDir().mkpath(outDir);
}

void Shooter::window(QWidget *w, const QString &name)
{
    const bool fixed = w->minimumSize() == w->maximumSize();
    if (!fixed && !qobject_cast<QDialog *>(w))
        w->resize(m_screen);
    w->show();
    QApplication::processEvents();
    QTest::qWait(30);
    take(w->grab().toImage(), name);
}

void Shooter::image(const QImage &page, const QString &name) { take(page, name); }

void Shooter::take(const QImage &picture, const QString &name)
{
    if (!m_outDir.isEmpty())
        picture.save(m_outDir + u'/' + name + QStringLiteral(".png"));
    if (m_keep.contains(name))
        m_kept.insert(name, picture);
    ++m_count;
}

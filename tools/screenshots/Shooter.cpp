#include "Shooter.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTest>
#include <QWidget>

Shooter::Shooter(const QString &outDir, QSize screen) : m_outDir(outDir), m_screen(screen) { QDir().mkpath(outDir); }

void Shooter::window(QWidget *w, const QString &name)
{
    const bool fixed = w->minimumSize() == w->maximumSize();
    if (!fixed && !qobject_cast<QDialog *>(w))
        w->resize(m_screen);
    w->show();
    QApplication::processEvents();
    QTest::qWait(30);
    w->grab().save(m_outDir + u'/' + name + QStringLiteral(".png"));
    ++m_count;
}

void Shooter::image(const QImage &page, const QString &name)
{
    page.save(m_outDir + u'/' + name + QStringLiteral(".png"));
    ++m_count;
}

#include "TestSupport.h"
#include "ui/Controls.h"
#include "ui/Modal.h"
#include "ui/Shell.h"
#include "storage/Clock.h"
#include "storage/DataFolder.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QScrollBar>
#include <QFile>
#include <QImage>
#include <cstdlib>
#include <QTest>

TempDataDir::TempDataDir(const QDateTime &now)
{
    DataFolder::set(m_dir.path());
    Clock::setFixed(now);
}

TempDataDir::~TempDataDir()
{
    DataFolder::set({});
    Clock::setFixed({});
}

QString TempDataDir::path() const { return DataFolder::path(); }

QString TempDataDir::file(const QString &name) const { return DataFolder::file(name); }

void TempDataDir::writeBytes(const QString &name, const QByteArray &bytes) const
{
    QFile f(file(name));
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

QByteArray TempDataDir::readBytes(const QString &name) const
{
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

MessageRecorder::MessageRecorder()
{
    Messages::setHandler([this](MessageKind kind, const QString &text) {
        m_entries.append({kind, text});
        return m_answers.isEmpty() ? true : m_answers.takeFirst();
    });
}

MessageRecorder::~MessageRecorder() { Messages::setHandler({}); }

QStringList MessageRecorder::texts() const
{
    QStringList out;
    for (const Entry &e : m_entries)
        out.append(e.text);
    return out;
}

ModalScript::ModalScript()
{
    Modal::setRunner([this](QDialog *d) {
        m_seen.append(d->objectName());
        if (m_steps.isEmpty())
            return int(QDialog::Rejected);
        return m_steps.takeFirst()(d);
    });
}

ModalScript::~ModalScript() { Modal::setRunner({}); }

ShellRecorder::ShellRecorder()
{
    Shell::setOpener([this](const QString &c) { commands.append(c); });
}

ShellRecorder::~ShellRecorder() { Shell::setOpener({}); }

FileScript::FileScript()
{
    Modal::setFileRunner([this](const Modal::FileRequest &r) {
        captions.append(r.caption);
        return answers.isEmpty() ? QString() : answers.takeFirst();
    });
    Modal::setInputRunner([this](const QString &label, bool *ok) {
        captions.append(label);
        const bool has = !answers.isEmpty();
        if (ok)
            *ok = has;
        return has ? answers.takeFirst() : QString();
    });
}

FileScript::~FileScript()
{
    Modal::setFileRunner({});
    Modal::setInputRunner({});
}

namespace TestSupport {

double imageDifference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return 255;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
        const auto *q = reinterpret_cast<const QRgb *>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            sum += std::abs(qRed(p[col]) - qRed(q[col])) + std::abs(qGreen(p[col]) - qGreen(q[col]))
                 + std::abs(qBlue(p[col]) - qBlue(q[col]));
    }
    return sum / (3.0 * x.width() * x.height());
}

void typeInto(QWidget *control, const QString &text)
{
    control->setFocus();
    QTest::keyClicks(control, text);
}

namespace {

void failAt(const QString &message, const Where &where)
{
    QTest::qFail(qPrintable(message), where.file_name(), int(where.line()));
}

QString windowName(const QWidget *window)
{
    return window ? window->objectName() : QStringLiteral("(no window)");
}

} // namespace

QWidget *control(const QWidget *window, const QString &name, Where where)
{
    QWidget *found = Controls::child(window, name);
    if (!found)
        failAt(QStringLiteral("no control \"%1\" in %2").arg(name, windowName(window)), where);
    return found;
}

void click(QWidget *window, const QString &name, Where where)
{
    QWidget *found = control(window, name, where);
    if (!found)
        return;
    if (auto *b = qobject_cast<QAbstractButton *>(found))
        b->click();
    else
        failAt(QStringLiteral("control \"%1\" in %2 is not a button").arg(name, windowName(window)), where);
}

QString text(const QWidget *window, const QString &name, Where where)
{
    const QWidget *found = control(window, name, where);
    return found ? Controls::text(found) : QString();
}

void setText(QWidget *window, const QString &name, const QString &value, Where where)
{
    if (QWidget *found = control(window, name, where))
        Controls::setText(found, value);
}

void typeInto(QWidget *window, const QString &name, const QString &text, Where where)
{
    if (QWidget *found = control(window, name, where))
        typeInto(found, text);
}

int hiddenLineTail(QAbstractItemView *view, int row)
{
    view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->maximum());
    const QModelIndex index = view->model()->index(row, 0);
    const QFont font = index.data(Qt::FontRole).value<QFont>();
    const int text = QFontMetrics(font).horizontalAdvance(index.data(Qt::DisplayRole).toString());
    const QRect item = view->visualRect(index);
    // The text starts a few pixels into its item; allow for that margin.
    const int textEnd = item.left() + 4 + text;
    return qMax(0, qMax(textEnd - view->viewport()->width(), textEnd - (item.right() + 1)));
}

} // namespace TestSupport

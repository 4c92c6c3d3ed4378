#include "FaultKit.h"

#include "ui/CardChanges.h"
#include "ui/Controls.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include <csignal>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FaultKit {

namespace {

bool setImmutable(const QString &path, bool on)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}

QChar kindLetter(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning: return u'W';
    case MessageKind::Error: return u'E';
    case MessageKind::Information: return u'I';
    case MessageKind::Confirmation: return u'C';
    case MessageKind::Plain: return u'P';
    }
    return u'?';
}

} // namespace

ReadOnlyPath::ReadOnlyPath(const QString &path) : m_path(path)
{
    ::chmod(QFile::encodeName(path).constData(), QFileInfo(path).isDir() ? 0555 : 0444);
    if (::geteuid() == 0)
        m_immutable = setImmutable(path, true);
}

ReadOnlyPath::~ReadOnlyPath()
{
    if (m_immutable)
        setImmutable(m_path, false);
    ::chmod(QFile::encodeName(m_path).constData(), QFileInfo(m_path).isDir() ? 0755 : 0644);
}

bool ReadOnlyPath::holds() const
{
    if (QFileInfo(m_path).isDir()) {
        const QByteArray probe = QFile::encodeName(m_path + QStringLiteral("/.probe"));
        const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        if (fd < 0)
            return true;
        ::close(fd);
        ::unlink(probe.constData());
        return false;
    }
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_WRONLY);
    if (fd < 0)
        return true;
    ::close(fd);
    return false;
}

Scene::Scene(const QString &folder, const QString &archiveName, int recordSize, Fault fault,
             const QByteArray &stored, int target, const std::function<void(char *record, Fault)> &spoil)
    : m_folder(folder), m_name(archiveName), m_recordSize(recordSize), m_fault(fault)
{
    QByteArray bytes = stored;
    char *record = bytes.data() + qsizetype(target) * recordSize;
    switch (fault) {
    case Fault::ArchiveMissing:
    case Fault::FolderReadOnly:
        return;
    case Fault::ArchiveIsDirectory:
        QDir(folder).mkdir(archiveName);
        return;
    case Fault::TruncatedTail:
        bytes += stored.left(recordSize / 2);
        break;
    case Fault::LengthAboveCapacity:
    case Fault::BadAmountAndDate:
        spoil(record, fault);
        break;
    default:
        break;
    }
    QFile file(archive());
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the test archive");
}

bool Scene::arm()
{
    m_before = now();
    if (m_fault == Fault::ArchiveReadOnly)
        m_readOnly = std::make_unique<ReadOnlyPath>(archive());
    else if (m_fault == Fault::FolderReadOnly)
        m_readOnly = std::make_unique<ReadOnlyPath>(QDir(m_folder).absolutePath());
    return !m_readOnly || m_readOnly->holds();
}

QByteArray Scene::now() const
{
    QFile file(archive());
    if (QFileInfo(file).isDir() || !file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool Scene::exists() const { return QFileInfo::exists(archive()); }

qint64 Scene::sizeLimit() const
{
    if (m_fault == Fault::DiskFull)
        return m_before.size();
    if (m_fault == Fault::DiskFullMidRecord)
        return m_before.size() + m_recordSize / 2;
    return 0;
}

QMap<QString, QString> snapshot(const QWidget *window)
{
    QMap<QString, QString> shown;
    for (const QWidget *w : window->findChildren<QWidget *>()) {
        const QString name = w->objectName();
        // lblInizio and lblSolare are New's scratch copies of the numbering
        // settings, read before the archive is touched; nothing shows them.
        if (name.isEmpty() || name.startsWith(QLatin1StringView("qt_")) || name == u"lblInizio"
            || name == u"lblSolare")
            continue;
        if (auto *e = qobject_cast<const QLineEdit *>(w))
            shown[name] = e->text();
        else if (auto *c = qobject_cast<const QComboBox *>(w))
            shown[name] = c->currentText();
        else if (auto *b = qobject_cast<const QAbstractButton *>(w); b && b->isCheckable())
            shown[name] = b->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
        else if (auto *l = qobject_cast<const QLabel *>(w))
            shown[name] = l->text();
    }
    return shown;
}

QStringList differences(const QMap<QString, QString> &a, const QMap<QString, QString> &b)
{
    QStringList names;
    for (auto it = a.cbegin(); it != a.cend(); ++it)
        if (b.value(it.key()) != it.value())
            names.append(it.key() + u'=' + b.value(it.key()));
    return names;
}

QString message(MessageKind kind, const QString &text) { return kindLetter(kind) + QStringLiteral(": ") + text; }

QStringList messages(const MessageRecorder &recorder)
{
    QStringList lines;
    for (const auto &e : recorder.entries())
        lines.append(message(e.kind, e.text));
    return lines;
}

void withFileSizeLimit(qint64 limit, const std::function<void()> &body)
{
    struct rlimit saved;
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit lowered = saved;
    lowered.rlim_cur = rlim_t(limit);
    ::setrlimit(RLIMIT_FSIZE, &lowered);
    struct Restore
    {
        const struct rlimit &saved;
        void (*handler)(int);
        ~Restore()
        {
            ::setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, handler);
        }
    } restore{saved, oldHandler};
    body();
}

} // namespace FaultKit

namespace FaultKit {

void verifyArchive(const Scene &scene, const QString &expected, int recordSize)
{
    const QByteArray before = scene.before();
    const QByteArray after = scene.now();
    const qsizetype whole = before.size() / recordSize * recordSize;
    if (expected == QLatin1StringView("same")) {
        QVERIFY2(after == before, "the archive changed");
        if (scene.fault() == Fault::ArchiveIsDirectory)
            QVERIFY(QFileInfo(scene.archive()).isDir());
    } else if (expected == QLatin1StringView("absent")) {
        QVERIFY2(!scene.exists(), "an archive was created");
    } else if (expected == QLatin1StringView("empty")) {
        QVERIFY(scene.exists());
        QCOMPARE(after.size(), 0);
    } else if (expected == QLatin1StringView("appended")) {
        QCOMPARE(after.size(), whole + recordSize);
        QVERIFY2(after.left(whole) == before.left(whole), "an earlier record changed");
    } else if (expected.startsWith(QLatin1StringView("rewrote "))) {
        const int n = expected.mid(8).toInt();
        QCOMPARE(after.size(), before.size());
        const qsizetype at = qsizetype(n - 1) * recordSize;
        QVERIFY2(after.left(at) == before.left(at), "a record before it changed");
        QVERIFY2(after.mid(at + recordSize) == before.mid(at + recordSize), "a record after it changed");
        QVERIFY2(after.mid(at, recordSize) != before.mid(at, recordSize), "the record was not written");
    } else {
        QFAIL(qPrintable(u"unknown expectation " + expected));
    }
}

int listedRows(QDialog *dialog)
{
    dialog->show();  // list and export windows read their archive when shown
    if (auto *month = dialog->findChild<QComboBox *>(QStringLiteral("cboSelezione")))
        month->setCurrentIndex(2);
    for (const char *button : {"btnCerca", "btnVisualizza"})
        if (Controls::child(dialog, QLatin1StringView(button)))
            TestSupport::click(dialog, QLatin1StringView(button));
    for (const char *view : {"lstRecords", "grdRecords"})
        if (auto *v = dialog->findChild<QAbstractItemView *>(QLatin1StringView(view)))
            return v->model()->rowCount();
    return -1;
}

void pressAndCheck(QWidget *window, const MessageRecorder &recorder, Scene &scene, int recordSize)
{
    QFETCH(QString, button);
    QFETCH(QStringList, messages);
    QFETCH(QString, position);
    QFETCH(QString, check);
    QFETCH(QString, archive);

    // The card set up on screen stands for one just shown: nothing to abandon.
    if (CardChanges *changes = CardChanges::of(window))
        changes->reset();
    const auto before = snapshot(window);
    if (!scene.arm())
        QSKIP("this machine lets the test process write where it was made read-only");

    int rows = -1;
    ModalScript dialogs;
    dialogs.then([&](QDialog *d) {
        rows = listedRows(d);
        return int(QDialog::Rejected);
    });
    QStringList said;
    QString positionAfter;
    QString checked;
    auto act = [&] {
        for (const QString &b : button.split(u'+'))
            TestSupport::click(window, b);
        said = FaultKit::messages(recorder);
        positionAfter = TestSupport::text(window, QStringLiteral("lblPosizione"));
        const QString control = check.section(u'=', 0, 0);
        checked = control.isEmpty() ? QString() : control == u"rows" ? QString::number(rows) : TestSupport::text(window, control);
    };
    if (scene.sizeLimit() > 0)
        withFileSizeLimit(scene.sizeLimit(), act);
    else
        act();
    scene.disarm();

    QCOMPARE(said, messages);
    if (position == u"same") {
        const QStringList changed = differences(before, snapshot(window));
        QVERIFY2(changed.isEmpty(), qPrintable(u"changed: " + changed.join(u", ")));
    } else {
        QCOMPARE(positionAfter, position);
    }
    if (!check.isEmpty())
        QCOMPARE(checked, check.section(u'=', 1));
    verifyArchive(scene, archive, recordSize);
}

} // namespace FaultKit

#pragma once
#include "TestSupport.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <functional>
#include <memory>

class QDialog;
class QWidget;

// What can go wrong under an archive window, set up on real files.
namespace FaultKit {

enum class Fault {
    ArchiveReadOnly,      // the archive cannot be opened for writing
    FolderReadOnly,       // no archive yet, and none can be created
    ArchiveMissing,
    ArchiveIsDirectory,
    DiskFull,             // no byte more fits
    DiskFullMidRecord,    // half a record more fits
    TruncatedTail,        // the last record was cut short
    LengthAboveCapacity,  // a length byte larger than its field
    BadAmountAndDate,     // an amount and a date that do not read
};

// Makes a file or folder read-only for the life of the object, even for
// root (which ignores permission bits) through the immutable attribute.
class ReadOnlyPath
{
public:
    explicit ReadOnlyPath(const QString &path);
    ~ReadOnlyPath();
    ReadOnlyPath(const ReadOnlyPath &) = delete;
    ReadOnlyPath &operator=(const ReadOnlyPath &) = delete;
    // Whether writing there is really refused (probed, not assumed).
    bool holds() const;

private:
    QString m_path;
    bool m_immutable = false;
};

// The archive of one window with a fault on it.
class Scene
{
public:
    // `stored`: the intact archive; record `target` (0-based) is the one the
    // two content faults spoil, through `spoil` which knows the layout.
    Scene(const QString &folder, const QString &archiveName, int recordSize, Fault fault,
          const QByteArray &stored, int target, const std::function<void(char *record, Fault)> &spoil);

    QString archive() const { return m_folder + m_name; }
    // The file system as the fault wants it, once the window exists.
    // Returns false when this machine cannot provoke the fault.
    bool arm();
    void disarm() { m_readOnly.reset(); }
    // The archive's bytes when the fault was armed (empty when absent).
    const QByteArray &before() const { return m_before; }
    QByteArray now() const;
    bool exists() const;
    // The file-size limit under which the operation runs; 0 for none.
    qint64 sizeLimit() const;
    Fault fault() const { return m_fault; }

private:
    QString m_folder;
    QString m_name;
    int m_recordSize;
    Fault m_fault;
    QByteArray m_before;
    std::unique_ptr<ReadOnlyPath> m_readOnly;
};

// Every named control's text (check boxes as 0/1), to tell whether an
// operation left a window as it was.
QMap<QString, QString> snapshot(const QWidget *window);
// Names of the controls whose text differs, for a readable failure.
QStringList differences(const QMap<QString, QString> &a, const QMap<QString, QString> &b);

// The recorded messages as "kind: text" lines.
QStringList messages(const MessageRecorder &recorder);
QString message(MessageKind kind, const QString &text);

// Runs `body` while no file of this process may grow beyond `limit` bytes,
// as on a full disk: SIGXFSZ is ignored, so such writes fail with EFBIG.
// Only the soft limit is lowered, so it is raised again afterwards. (A
// forked child would do too, but forking a process whose painting threads
// exist can leave the child waiting on a thread it does not have.)
void withFileSizeLimit(qint64 limit, const std::function<void()> &body);

} // namespace FaultKit

Q_DECLARE_METATYPE(FaultKit::Fault)

namespace FaultKit {
// Checks what became of the archive: "same" (every byte as before), "absent",
// "empty", "appended" (the whole records before, one more, no torn tail) or
// "rewrote N" (record N, 1-based, alone differs).
void verifyArchive(const Scene &scene, const QString &expected, int recordSize);

// The rows a list or export window shows once it has run: shown, its first
// month chosen where it asks for one, its search or display button pressed.
int listedRows(QDialog *dialog);

// Runs the current row of a fault table on a window already showing a card:
// arms the fault, presses the row's buttons ("button", '+' joins several),
// disarms, then compares the row's "messages", "position" (lblPosizione
// after, or "same": every control as it was), "check" ("control=text", or
// "rows=N" of the list a button opened) and "archive" (see verifyArchive).
void pressAndCheck(QWidget *window, const MessageRecorder &recorder, Scene &scene, int recordSize);
}

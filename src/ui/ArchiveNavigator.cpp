#include "ui/ArchiveNavigator.h"
#include "ui/CardChanges.h"
#include "storage/ArchiveTexts.h"
#include "storage/RecordFile.h"
#include "storage/RecordNumbers.h"
#include "storage/StorageError.h"

#include <QLabel>

bool runArchiveOperation(const std::function<void()> &operation, MessageKind kind)
{
    try {
        operation();
        return true;
    } catch (const StorageError &) {
        Messages::show(kind, ArchiveTexts::ioFailure());
        return false;
    }
}

ArchiveNavigator::ArchiveNavigator(QLabel *position, Binding binding)
    : m_position(position), m_binding(std::move(binding))
{
}

int ArchiveNavigator::position() const
{
    const QString t = m_position->text().trimmed();
    if (t.isEmpty())
        return 0;
    bool ok = false;
    const int p = t.toInt(&ok);
    if (!ok)
        throw StorageError(QStringLiteral("position is not a number"));
    return p;
}

void ArchiveNavigator::clearPosition() { m_position->clear(); }

bool ArchiveNavigator::showRecord(RecordFile &file, int index)
{
    const QByteArray bytes = file.read(index);
    file.close();
    // Asked only when another record is really about to replace the card.
    if (m_changes && !m_changes->ifMayLeave())
        return false;
    m_binding.show(bytes, index);
    m_position->setText(QString::number(index + 1));
    m_proposed.clear();
    if (m_changes)
        m_changes->reset();
    return true;
}

bool ArchiveNavigator::first()
{
    bool shown = false;
    runArchiveOperation([&] {
        RecordFile file(m_binding.path(), m_binding.recordSize);
        if (file.count() == 0) {
            file.close();
            Messages::information(ArchiveTexts::emptyArchive());
            return;
        }
        shown = showRecord(file, 0);
    }, m_binding.firstFailure);
    return shown;
}

bool ArchiveNavigator::previous()
{
    bool shown = false;
    runArchiveOperation([&] {
        RecordFile file(m_binding.path(), m_binding.recordSize);
        if (m_position->text().trimmed() == QStringLiteral("1")) {
            file.close();
            return;
        }
        const int count = file.count();
        if (count == 0) {
            file.close();
            Messages::information(ArchiveTexts::emptyArchive());
            return;
        }
        const int p = position();
        // Past the end (the archive shrank under us) shows the last record.
        const int target = qBound(0, p - 2, count - 1);
        shown = showRecord(file, target);
    });
    return shown;
}

bool ArchiveNavigator::next()
{
    bool shown = false;
    runArchiveOperation([&] {
        RecordFile file(m_binding.path(), m_binding.recordSize);
        const int p = position();
        const int count = file.count();
        if (count == 0) {
            m_position->clear();
            file.close();
            Messages::information(ArchiveTexts::emptyArchive());
            return;
        }
        if (p >= count) {
            file.close();
            return;
        }
        shown = showRecord(file, p);
    });
    return shown;
}

bool ArchiveNavigator::last()
{
    bool shown = false;
    runArchiveOperation([&] {
        RecordFile file(m_binding.path(), m_binding.recordSize);
        const int count = file.count();
        if (count == 0) {
            file.close();
            Messages::information(ArchiveTexts::emptyArchive());
            return;
        }
        shown = showRecord(file, count - 1);
    });
    return shown;
}

bool ArchiveNavigator::load(int index)
{
    bool shown = false;
    runArchiveOperation([&] {
        RecordFile file(m_binding.path(), m_binding.recordSize);
        shown = showRecord(file, index);
    });
    return shown;
}

bool ArchiveNavigator::store()
{
    m_renumbered = false;
    if (m_binding.number.offset >= 0) {
        int takenBy = 0;
        const bool stored = runArchiveOperation([&] { storeNumbered(position(), takenBy); },
                                                m_binding.storeFailure);
        if (takenBy > 0) {
            Messages::warning(QStringLiteral("Attenzione: il numero indicato è già stato assegnato alla scheda in "
                                             "posizione %1.\n\r\n\rIndicare un numero diverso.")
                                  .arg(takenBy));
            if (m_binding.number.focus)
                m_binding.number.focus();
            return false;
        }
        return stored;
    }
    return runArchiveOperation([&] {
        const int p = position();
        const QByteArray bytes = m_binding.collect();
        RecordFile file(m_binding.path(), m_binding.recordSize);
        if (p > 0) {
            file.write(p - 1, bytes);
            file.close();
            return;
        }
        const int index = file.append(bytes);
        file.close();
        m_position->setText(QString::number(index + 1));
    }, m_binding.storeFailure);
}

bool ArchiveNavigator::storeAndNotify(QWidget *window, const QString &renumberedNotice,
                                      const std::function<bool()> &afterStore)
{
    const bool isNew = position() == 0;
    if (!store() || (afterStore && !afterStore()))
        return false;
    if (m_changes)
        m_changes->reset();
    const QString notice =
        !isNew ? QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.")
        : m_renumbered && !renumberedNotice.isEmpty() ? renumberedNotice.arg(m_binding.number.shown().trimmed())
                                                      : QStringLiteral("La scheda corrente è stata inserita in archivio.");
    Messages::information(notice, window);
    return true;
}

void ArchiveNavigator::storeNumbered(int p, int &takenBy)
{
    const auto &number = m_binding.number;
    RecordFile file(m_binding.path(), m_binding.recordSize);
    int index = p - 1;
    file.underAppendLock([&] {
        const auto held = RecordNumbers::holders(file, number.offset, number.capacity, p - 1);
        const QString wanted = RecordNumbers::key(number.shown());
        const auto holder = held.constFind(wanted);
        if (holder != held.cend()) {
            if (p > 0 || wanted != RecordNumbers::key(m_proposed)) {
                takenBy = *holder + 1;
                return;
            }
            // Another workstation used the proposed number since New: the
            // next one nobody holds, by the same rule.
            int count = file.count();
            QString next;
            do {
                next = number.propose(count++);
            } while (held.contains(RecordNumbers::key(next)));
            number.show(next);
            m_renumbered = true;
        }
        const QByteArray bytes = m_binding.collect();
        if (p > 0)
            file.write(p - 1, bytes);
        else
            index = file.append(bytes);
    });
    file.close();
    if (takenBy == 0 && p == 0) {
        m_position->setText(QString::number(index + 1));
        m_proposed.clear();
    }
}

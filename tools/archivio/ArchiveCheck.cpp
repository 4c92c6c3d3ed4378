#include "ArchiveCheck.h"
#include "storage/AmountText.h"
#include "storage/DateText.h"
#include "storage/Record.h"
#include "storage/RecordNumbers.h"
#include "storage/YesNo.h"

#include <QHash>
#include <QIODevice>
#include <functional>

namespace ArchiveCheck {

namespace {

using Content = ArchiveKinds::Content;

// Reads whole records one after another; returns the bytes of an
// incomplete last record.
qint64 eachRecord(QIODevice &archive, int size, const std::function<void(const char *, qint64)> &visit)
{
    QByteArray record(size, '\0');
    qint64 index = 0;
    for (;;) {
        const qint64 got = archive.read(record.data(), size);
        if (got < size)
            return qMax<qint64>(got, 0);
        visit(record.constData(), ++index);
    }
}

bool digitsOnly(const QString &text) { return AmountText::isDigitsOnly(text); }

// What is wrong with a field's text, or nothing.
QString contentProblem(Content content, const QString &text)
{
    const QString quoted = u'"' + text + u'"';
    switch (content) {
    case Content::Text:
        return {};
    case Content::Flag:
        return YesNo::parse(text) ? QString()
                                  : quoted + QStringLiteral(" non è né \"Sì\" né \"No\"");
    case Content::Date:
        if (text.isEmpty())
            return QStringLiteral("data mancante");
        [[fallthrough]];
    case Content::DateOrEmpty:
        return text.isEmpty() || DateText::isValid(text) ? QString()
                                                         : QStringLiteral("data non leggibile ") + quoted;
    case Content::AmountOrEmpty:
        return text.isEmpty() || AmountText::parse(text) ? QString()
                                                         : QStringLiteral("importo non leggibile ") + quoted;
    case Content::NumberOrEmpty:
        return digitsOnly(text) ? QString() : QStringLiteral("numero non leggibile ") + quoted;
    }
    return {};
}

QByteArray csvCell(const QString &text)
{
    QByteArray cell = text.toUtf8();
    if (cell.contains(',') || cell.contains('"') || cell.contains('\r') || cell.contains('\n'))
        cell = '"' + cell.replace("\"", "\"\"") + '"';
    return cell;
}

} // namespace

Report verify(QIODevice &archive, const ArchiveKinds::Kind &kind)
{
    Report report;
    // Numbers compared as Save compares them, with the first record that holds each.
    QHash<QString, qint64> numbers;
    report.tailBytes = eachRecord(archive, kind.recordSize, [&](const char *record, qint64 index) {
        report.records = index;
        for (const auto &field : kind.fields) {
            const char *slot = record + field.offset;
            const int length = static_cast<unsigned char>(slot[0]);
            auto add = [&](const QString &what) {
                report.problems.append({index, QStringLiteral("campo ") + field.name + u": " + what});
            };
            if (length > field.capacity)
                add(QStringLiteral("byte di lunghezza %1 oltre la capacità di %2").arg(length).arg(field.capacity));
            const QString problem = contentProblem(field.content, ShortText::read(slot, field.capacity));
            if (!problem.isEmpty())
                add(problem);
            if (field.name != kind.numberField)
                continue;
            const QString number = ShortText::read(slot, field.capacity);
            const QString key = RecordNumbers::key(number);
            if (key.isEmpty())
                continue;
            const auto first = numbers.constFind(key);
            if (first == numbers.cend())
                numbers.insert(key, index);
            else
                add(QStringLiteral("numero \"%1\" già assegnato alla scheda %2").arg(number).arg(*first));
        }
    });
    if (report.tailBytes > 0)
        report.problems.append({0, QStringLiteral("Scheda incompleta in coda: %1 byte dopo l'ultima scheda "
                                                  "completa (il programma li ignora)")
                                       .arg(report.tailBytes)});
    return report;
}

QString describe(const Report &report, const QString &fileName, const ArchiveKinds::Kind &kind)
{
    QString out = fileName + QStringLiteral(": ") + kind.description
                  + QStringLiteral(", %1 byte per scheda\n").arg(kind.recordSize);
    out += QStringLiteral("Schede complete: %1\n").arg(report.records);
    for (const Problem &p : report.problems) {
        if (p.record > 0)
            out += QStringLiteral("Scheda %1, ").arg(p.record);
        out += p.text + u'\n';
    }
    out += report.problems.isEmpty() ? QStringLiteral("Nessun problema trovato.\n")
                                     : QStringLiteral("Problemi trovati: %1\n").arg(report.problems.size());
    return out;
}

qint64 writeCsv(QIODevice &archive, const ArchiveKinds::Kind &kind, QIODevice &out)
{
    QByteArray line;
    for (const auto &field : kind.fields)
        line += (line.isEmpty() ? QByteArray() : QByteArray(",")) + csvCell(field.name);
    out.write(line + "\r\n");
    qint64 written = 0;
    eachRecord(archive, kind.recordSize, [&](const char *record, qint64 index) {
        line.clear();
        for (qsizetype i = 0; i < kind.fields.size(); ++i) {
            const auto &field = kind.fields[i];
            if (i > 0)
                line += ',';
            line += csvCell(ShortText::read(record + field.offset, field.capacity));
        }
        out.write(line + "\r\n");
        written = index;
    });
    return written;
}

} // namespace ArchiveCheck

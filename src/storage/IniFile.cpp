#include "storage/IniFile.h"
#include "storage/Cp1252.h"
#include "storage/StorageError.h"

#include <QFile>
#include <QSaveFile>

namespace {

bool isHeader(const QString &line, QString *name = nullptr)
{
    const QString t = line.trimmed();
    if (t.size() < 2 || !t.startsWith(u'[') || !t.endsWith(u']'))
        return false;
    if (name)
        *name = t.mid(1, t.size() - 2).trimmed();
    return true;
}

// Section and key names compare as the Windows profile functions do.
bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

IniFile::IniFile(const QString &path) : m_path(path)
{
    QFile file(path);
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly))
        throw StorageError(file.errorString());
    const QString text = Cp1252::decode(file.readAll());
    m_lines = text.split(u'\n');
    for (QString &line : m_lines)
        if (line.endsWith(u'\r'))
            line.chop(1);
    if (!m_lines.isEmpty() && m_lines.last().isEmpty())
        m_lines.removeLast();
}

int IniFile::findSection(const QString &section) const
{
    QString name;
    for (int i = 0; i < m_lines.size(); ++i)
        if (isHeader(m_lines[i], &name) && sameName(name, section))
            return i;
    return -1;
}

int IniFile::sectionEnd(int headerLine) const
{
    int i = headerLine + 1;
    while (i < m_lines.size() && !isHeader(m_lines[i]))
        ++i;
    return i;
}

int IniFile::findKey(int headerLine, const QString &key) const
{
    const int end = sectionEnd(headerLine);
    for (int i = headerLine + 1; i < end; ++i) {
        const QString &line = m_lines[i];
        const qsizetype eq = line.indexOf(u'=');
        if (eq > 0 && !line.startsWith(u';') && sameName(line.left(eq).trimmed(), key))
            return i;
    }
    return -1;
}

QString IniFile::value(const QString &section, const QString &key) const
{
    const int header = findSection(section);
    if (header < 0)
        return {};
    const int line = findKey(header, key);
    if (line < 0)
        return {};
    const QString &text = m_lines[line];
    QString v = text.mid(text.indexOf(u'=') + 1).trimmed();
    if (v.size() >= 2 && v.startsWith(u'"') && v.endsWith(u'"'))
        v = v.mid(1, v.size() - 2);
    return v;
}

void IniFile::setValue(const QString &section, const QString &key, const QString &value)
{
    // A line break would start a line of its own: a section or a key nobody wrote.
    for (const QString *part : {&section, &key, &value})
        if (part->contains(u'\r') || part->contains(u'\n'))
            throw StorageError(QStringLiteral("line break in a settings entry"));
    const QString entry = key + u'=' + value;
    int header = findSection(section);
    if (header < 0) {
        m_lines.append(u'[' + section + u']');
        m_lines.append(entry);
        return;
    }
    const int line = findKey(header, key);
    if (line >= 0) {
        m_lines[line] = entry;
        return;
    }
    int insertAt = sectionEnd(header);
    while (insertAt > header + 1 && m_lines[insertAt - 1].trimmed().isEmpty())
        --insertAt;
    m_lines.insert(insertAt, entry);
}

void IniFile::save() const
{
    QSaveFile file(m_path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        throw StorageError(file.errorString());
    QByteArray bytes;
    for (const QString &line : m_lines)
        bytes += Cp1252::encode(line) + "\r\n";
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw StorageError(file.errorString());
}

QString IniFile::read(const QString &path, const QString &section, const QString &key)
{
    return IniFile(path).value(section, key);
}

void IniFile::write(const QString &path, const QString &section, const QString &key,
                    const QString &value)
{
    IniFile ini(path);
    ini.setValue(section, key, value);
    ini.save();
}

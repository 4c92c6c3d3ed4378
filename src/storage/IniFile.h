#pragma once
#include <QString>
#include <QStringList>

// The settings and password files: sections and keys with their blanks kept,
// Windows-1252 text, CRLF lines. Writing keeps every other line as it was.
class IniFile
{
public:
    // Loads the file; a missing file is empty. An unreadable one throws StorageError.
    explicit IniFile(const QString &path);

    QString value(const QString &section, const QString &key) const;
    // Throws StorageError, changing nothing, when any of the three holds a line break.
    void setValue(const QString &section, const QString &key, const QString &value);
    // Writes the whole file back; throws StorageError on failure.
    void save() const;

    // One-shot helpers for the many places that touch a single key.
    static QString read(const QString &path, const QString &section, const QString &key);
    static void write(const QString &path, const QString &section, const QString &key,
                      const QString &value);

private:
    int findSection(const QString &section) const;  // line index of "[section]" or -1
    int sectionEnd(int headerLine) const;          // index after its last line
    int findKey(int headerLine, const QString &key) const;

    QString m_path;
    QStringList m_lines;
};

#pragma once
#include "storage/Record.h"

#include <QByteArray>
#include <QList>
#include <QString>

// A partial key to find inside one field of an encoded record. The test runs
// on the stored Windows-1252 bytes: folding only A-Z is the same there as in
// the decoded text, so no field has to be decoded to be searched.
class FieldCriterion
{
public:
    FieldCriterion(const QString &typed, int offset, int capacity);
    template <class R>
    static FieldCriterion of(const QString &typed, const char *field)
    {
        const int index = RecordLayout<R>::indexOf(QString::fromLatin1(field));
        Q_ASSERT_X(index >= 0, "FieldCriterion::of", field);
        return FieldCriterion(typed, RecordLayout<R>::offsets()[index], R::kFields[index].capacity);
    }

    // Blank criteria take no part in a search.
    bool inUse() const { return m_inUse; }
    // Whether the key, as typed (blanks kept) and A-Z folded, occurs in the
    // field as it reads back (trimmed). A blank key never occurs.
    bool occursIn(const char *record) const;

private:
    QByteArray m_key;
    int m_offset;
    int m_capacity;
    bool m_inUse;
    bool m_possible;  // false when the key holds a character no field can hold
};

// The criteria of a search, combined with "and".
class RecordCriteria
{
public:
    void add(const FieldCriterion &criterion);
    template <class R>
    void add(const QString &typed, const char *field) { add(FieldCriterion::of<R>(typed, field)); }
    int inUse() const { return int(m_used.size()); }
    // Every criterion in use occurs (no criterion in use: every record).
    bool matches(const char *record) const;

private:
    QList<FieldCriterion> m_used;
};

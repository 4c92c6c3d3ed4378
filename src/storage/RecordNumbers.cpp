#include "storage/RecordNumbers.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"

namespace RecordNumbers {

QString key(QStringView number)
{
    QString out = ShortText::trimmed(number);
    for (QChar &c : out)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 32);
    return out;
}

QHash<QString, int> holders(RecordFile &file, int slotOffset, int capacity, int except)
{
    QHash<QString, int> found;
    file.scanSlot(slotOffset, capacity + 1, [&](const char *slot, int index) {
        if (index == except)
            return;
        const QString k = key(ShortText::read(slot, capacity));
        if (!k.isEmpty() && !found.contains(k))
            found.insert(k, index);
    });
    return found;
}

} // namespace RecordNumbers

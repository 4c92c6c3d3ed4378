#include "ui/RecordWindow.h"
#include "ui/AppWindows.h"

namespace RecordWindows {

RecordWindow *find(const QString &className) { return dynamic_cast<RecordWindow *>(AppWindows::get(className)); }

bool load(const QString &className, int index)
{
    RecordWindow *window = find(className);
    if (!window)
        return false;
    window->loadRecord(index);
    return true;
}

} // namespace RecordWindows

#pragma once
#include <QString>

// An area window that shows one stored record at a time. Lists that open a
// record find the window by class name and call it through here, so a
// renamed or changed loader fails the build instead of doing nothing.
class RecordWindow
{
public:
    virtual ~RecordWindow() = default;
    // Shows record `index` (0-based) of the open archive, as navigation does.
    virtual void loadRecord(int index) = 0;
};

namespace RecordWindows {
// The area window registered as `className`, or null when there is none
// or it does not show records.
RecordWindow *find(const QString &className);
// Asks that window to show record `index`; false when there is no such window.
bool load(const QString &className, int index);
}

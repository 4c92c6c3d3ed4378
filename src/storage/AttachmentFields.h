#pragma once
#include "storage/DataFolder.h"

#include <QString>
#include <array>

// Both card archives end with the same six fields, File01-File03 then
// Desc01-Desc03, of 250 characters each; the attachments folder, shared by
// both, finds the cards that name a file through them.
namespace AttachmentFields {
constexpr int kCapacity = 250;
constexpr int kSlots = 3;
constexpr int fileOffset(int recordSize, int slot)
{
    return recordSize - 2 * kSlots * (kCapacity + 1) + slot * (kCapacity + 1);
}

struct Archive
{
    QString (*name)();
    int recordSize;
};
constexpr int kRegisterRecordSize = 3438;
constexpr int kCustomerRecordSize = 4043;
inline const std::array<Archive, 2> &archives()
{
    static const std::array<Archive, 2> list{{{&FileNames::registerArchive, kRegisterRecordSize},
                                              {&FileNames::customerArchive, kCustomerRecordSize}}};
    return list;
}
} // namespace AttachmentFields

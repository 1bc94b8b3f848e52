#include "core/model/UploadImageCheck.h"

#include <algorithm>

namespace vorbix::model {
namespace {

bool isUpperHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

} // namespace

bool CheckUploadImage(const TDevice& device, std::string_view image, std::string& problem)
{
    problem.clear();
    const long long length = device.recordLength();
    if (length <= 0 || length % 2 != 0) {
        problem = "the record length of " + device.Model + " is not a whole number of bytes";
        return false;
    }
    if (device.RecordCount <= 0) {
        problem = "the receiver has no memory slots";
        return false;
    }
    const long long expected = length * device.RecordCount;
    if (static_cast<long long>(image.size()) != expected) {
        problem = "the memory image holds " + std::to_string(image.size()) + " digits instead of " +
                  std::to_string(expected) + " (" + std::to_string(device.RecordCount) + " records)";
        return false;
    }
    const auto bad = std::find_if_not(image.begin(), image.end(), isUpperHexDigit);
    if (bad != image.end()) {
        const auto at = static_cast<long long>(bad - image.begin());
        problem = "the memory image holds a character that is not an upper-case hexadecimal digit in slot " +
                  std::to_string(at / length + 1);
        return false;
    }
    const long long bytes = expected / 2;
    if (device.MemStart < 0 || device.MemEnd > 0xFFFF || device.MemStart + bytes - 1 > device.MemEnd) {
        problem = "the memory image does not fit the receiver's record memory";
        return false;
    }
    // Page-erase models name a block larger than a small record memory; only the address space
    // bounds it.
    if (device.EraseBlock <= 0 || device.EraseBlock > 0x10000) {
        problem = "the erase block of " + device.Model + " is " + std::to_string(device.EraseBlock) + " bytes";
        return false;
    }
    if (device.UsedCount < 0 || device.UsedCount > device.RecordCount) {
        problem = "the used area ends outside the memory slots";
        return false;
    }
    for (long long slot = device.UsedCount; slot < device.RecordCount; ++slot) {
        if (image.substr(static_cast<std::size_t>(slot * length), static_cast<std::size_t>(length)) !=
            device.ErasedRecord) {
            problem = "slot " + std::to_string(slot + 1) + " after the used area is not erased and would be lost";
            return false;
        }
    }
    return true;
}

} // namespace vorbix::model

#pragma once

#include "core/model/TDevice.h"

#include <string>
#include <string_view>

namespace vorbix::model {

// Whether `image` can be written whole into the record memory of `device`: exactly RecordCount
// records of L upper-case hex digits, a record length of whole bytes, inside MemStart..MemEnd and
// the 16-bit address space, an erase block of 1 byte to 64 KiB, and every record after
// UsedCount erased (the upload leaves those to the erase and never writes them). An upload runs
// this before its first erase record, so nothing reaches a receiver unless all of it can.
// False with `problem` saying what is wrong, in the user's terms.
[[nodiscard]] bool CheckUploadImage(const TDevice& device, std::string_view image, std::string& problem);

} // namespace vorbix::model

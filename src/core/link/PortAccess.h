#pragma once

#include <string>

// Why a serial device could not be opened, in words that tell the user what to do about it.
namespace vorbix::link {

// The reason for `errorNumber` from opening `device`:
// - no permission, the device owned by a group other than root: DEVICE + " is owned by group " +
//   GROUP + ": sudo adduser $USER " + GROUP + ", then log in again" (a new group membership takes
//   effect only in a new login session);
// - held by another program (EWOULDBLOCK, EBUSY): DEVICE + " is in use by another program";
// - anything else: "DEVICE: the system's reason".
std::string PortOpenFailure(const std::string& device, int errorNumber, const std::string& group);

// The name of the group that owns `path` (following links); empty when it cannot be found.
std::string FileGroupName(const std::string& path);

} // namespace vorbix::link

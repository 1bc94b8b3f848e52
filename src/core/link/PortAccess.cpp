#include "core/link/PortAccess.h"

#include "core/text/TextFile.h"

#include <cerrno>
#include <grp.h>
#include <sys/stat.h>
#include <vector>

namespace vorbix::link {

std::string PortOpenFailure(const std::string& device, int errorNumber, const std::string& group)
{
    // Joining root's group is never the remedy; the plain reason is more honest then.
    if ((errorNumber == EACCES || errorNumber == EPERM) && !group.empty() && group != "root") {
        return device + " is owned by group " + group + ": sudo adduser $USER " + group + ", then log in again";
    }
    if (errorNumber == EWOULDBLOCK || errorNumber == EBUSY) {
        return device + " is in use by another program";
    }
    return text::failureText(device, errorNumber);
}

std::string FileGroupName(const std::string& path)
{
    struct stat info
    {
    };
    if (::stat(path.c_str(), &info) != 0) {
        return {};
    }
    group entry{};
    group* found = nullptr;
    std::vector<char> buffer(4096);
    while (::getgrgid_r(info.st_gid, &entry, buffer.data(), buffer.size(), &found) == ERANGE &&
           buffer.size() < 1024 * 1024) {
        buffer.resize(buffer.size() * 2);
    }
    return found != nullptr && found->gr_name != nullptr ? std::string(found->gr_name) : std::string();
}

} // namespace vorbix::link

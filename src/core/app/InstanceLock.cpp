#include "core/app/InstanceLock.h"

#include "core/text/ProgramFolder.h"
#include "core/text/TextFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorbix::app {

InstanceLock::~InstanceLock()
{
    release();
}

bool InstanceLock::acquire(const std::string& lockFolder, const std::string& instanceName, std::string& error)
{
    release();
    error.clear();
    const std::string path = InstanceLockPath(lockFolder, instanceName);
    // The file only carries the lock; nothing is ever written into it.
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600);
    if (fd < 0) {
        error = "Cannot open " + path + ": " + std::strerror(errno);
        return false;
    }
    struct stat st
    {
    };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        error = "Cannot open " + text::notRegularText(path, st.st_mode);
        ::close(fd);
        return false;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno;
        ::close(fd);
        if (err != EWOULDBLOCK) {
            error = "Cannot lock " + path + ": " + std::strerror(err);
        }
        return false;
    }
    m_fd = fd;
    return true;
}

void InstanceLock::release()
{
    if (m_fd >= 0) {
        ::close(m_fd); // closing the only descriptor drops the lock
        m_fd = -1;
    }
}

std::string InstanceName(const std::string& programFolder)
{
    return text::baseName(text::withoutTrailingSeparator(programFolder));
}

bool IsPrivateFolder(const std::string& folder, unsigned uid, std::string& error)
{
    error.clear();
    // Opened rather than looked up, so that what is checked is what was found, link or not.
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        error = errno == ELOOP || errno == ENOTDIR ? folder + ": a symbolic link or not a folder"
                                                   : text::failureText(folder, errno);
        return false;
    }
    struct stat st
    {
    };
    const bool looked = ::fstat(fd, &st) == 0;
    const int reason = errno;
    ::close(fd);
    if (!looked) {
        error = text::failureText(folder, reason);
    } else if (st.st_uid != static_cast<uid_t>(uid)) {
        error = folder + ": belongs to another user";
    } else if ((st.st_mode & 077) != 0) {
        error = folder + ": others have access to it (it must be 0700)";
    }
    return error.empty();
}

bool PrivateRuntimeFolder(std::string& folder, std::string& error, const std::string& sharedBase)
{
    const unsigned uid = ::getuid();
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && *runtime != '\0' && IsPrivateFolder(runtime, uid, error)) {
        folder = runtime;
        return true;
    }
    // A folder in the shared one that another user could not have made ours: where one is found
    // already, it must be ours and closed, or it is refused.
    folder = text::joinPath(sharedBase, "vorbix-" + std::to_string(uid));
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        error = text::failureText(folder, errno);
        return false;
    }
    return IsPrivateFolder(folder, uid, error);
}

std::string InstanceLockPath(const std::string& lockFolder, const std::string& instanceName)
{
    std::string safe;
    for (const char c : instanceName) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
                           c == '_' || c == '.';
        safe += plain ? c : '_';
    }
    return text::joinPath(lockFolder, "vorbix-" + std::to_string(::getuid()) + "-" + safe + ".lock");
}

} // namespace vorbix::app

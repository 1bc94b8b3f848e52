#include "core/app/InstanceLock.h"

#include "core/text/ProgramFolder.h"
#include "core/text/TextFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
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
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        error = "Cannot open " + path + ": " + std::strerror(errno);
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

std::string RuntimeFolder()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && *runtime != '\0' && text::directoryExists(runtime)) {
        return runtime;
    }
    return "/tmp";
}

std::string InstanceLockPath(const std::string& lockFolder, const std::string& instanceName)
{
    std::string safe;
    for (const char c : instanceName) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
                           c == '_' || c == '.';
        safe += plain ? c : '_';
    }
    // In /tmp, which every user shares, the user id keeps one user's copy from blocking another's.
    return text::joinPath(lockFolder, "vorbix-" + std::to_string(::getuid()) + "-" + safe + ".lock");
}

} // namespace vorbix::app

#pragma once

#include <string>

namespace vorbix::app {

// One copy of the program runs per program folder, keyed by the folder's last component, so
// copies in folders with different last components run side by side.
//
// The key is held as an exclusive lock on a file in the user's runtime folder. The lock belongs to
// the open file, so it goes with the process however the process ends; a stale file left behind
// locks nothing.
class InstanceLock
{
public:
    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Takes the lock without waiting. False when another copy holds it (`error` empty) or when the
    // lock file cannot be opened (`error` says why).
    [[nodiscard]] bool acquire(const std::string& lockFolder, const std::string& instanceName, std::string& error);
    void release();
    bool held() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

// The instance name: the last component of the program folder.
std::string InstanceName(const std::string& programFolder);

// Where the lock files live: $XDG_RUNTIME_DIR, else /tmp.
std::string RuntimeFolder();

// The lock file of an instance name inside a folder. Characters that could leave the folder or
// confuse a file name are replaced, so any folder name gives one plain file.
std::string InstanceLockPath(const std::string& lockFolder, const std::string& instanceName);

} // namespace vorbix::app

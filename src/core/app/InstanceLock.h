#pragma once

#include <string>

namespace vorbix::app {

// One copy of the program runs per program folder, keyed by the folder's last component, so
// copies in folders with different last components run side by side.
//
// The key is held as an exclusive lock on a file in a folder only the user can enter (see
// PrivateRuntimeFolder), so no other user can take the lock first, plant a link in its place or
// answer as the running copy. The lock belongs to the open file, so it goes with the process
// however the process ends; a stale file left behind locks nothing.
class InstanceLock
{
public:
    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Takes the lock without waiting. False when another copy holds it (`error` empty) or when the
    // lock file cannot be opened or is not a regular file (`error` says why); a link in its place
    // is not followed.
    [[nodiscard]] bool acquire(const std::string& lockFolder, const std::string& instanceName, std::string& error);
    void release();
    bool held() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

// The instance name: the last component of the program folder.
std::string InstanceName(const std::string& programFolder);

// True when `folder` is a folder, not a symbolic link, owned by `uid` and closed to everyone else
// (no permission for group or others). False with "PATH: REASON" otherwise.
[[nodiscard]] bool IsPrivateFolder(const std::string& folder, unsigned uid, std::string& error);

// Where the lock file and its socket live: $XDG_RUNTIME_DIR when it is private to the user, else
// the folder "vorbix-UID" under `sharedBase` (/tmp), created 0700 when missing. False with the
// reason when that folder is not private (another user's, a link, open to others).
[[nodiscard]] bool PrivateRuntimeFolder(std::string& folder, std::string& error,
                                        const std::string& sharedBase = "/tmp");

// The lock file of an instance name inside a folder. Characters that could leave the folder or
// confuse a file name are replaced, so any folder name gives one plain file.
std::string InstanceLockPath(const std::string& lockFolder, const std::string& instanceName);

} // namespace vorbix::app

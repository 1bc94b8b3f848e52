#include "core/text/AtomicFile.h"

#include "core/text/TextFile.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace vorbix::text {
namespace {

// Every temporary file of a target is named "." + NAME + "." + six of these characters, the
// alphabet mkstemp uses, so the files a killed write left behind can be told from anything else.
constexpr std::string_view kSuffixAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kSuffixLength = 6;
constexpr int kNameAttempts = 100;

std::string folderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string temporaryPrefix(const std::string& path)
{
    return folderOf(path) + "/." + baseName(path) + ".";
}

bool isTemporaryOf(std::string_view entry, std::string_view namePrefix)
{
    if (entry.size() != namePrefix.size() + kSuffixLength || entry.substr(0, namePrefix.size()) != namePrefix) {
        return false;
    }
    for (char c : entry.substr(namePrefix.size())) {
        if (kSuffixAlphabet.find(c) == std::string_view::npos) {
            return false;
        }
    }
    return true;
}

// Removes the temporary files of `path` that a write killed before its rename left behind. A live
// write holds a lock on its temporary file until the rename, so its file is left alone.
void removeStaleTemporaries(const std::string& path)
{
    const std::string folder = folderOf(path);
    const std::string namePrefix = "." + baseName(path) + ".";
    std::vector<std::string> candidates;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            if (isTemporaryOf(entry->d_name, namePrefix)) {
                candidates.emplace_back(entry->d_name);
            }
        }
        ::closedir(dir);
    }
    for (const std::string& name : candidates) {
        const std::string candidate = joinPath(folder, name);
        struct stat st
        {
        };
        if (::lstat(candidate.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
            continue;
        }
        // A temporary file takes the target's permissions, which may allow writing only.
        int fd = ::open(candidate.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            fd = ::open(candidate.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        }
        if (fd < 0) {
            ::unlink(candidate.c_str()); // no write of ours could have opened it either
            continue;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            ::unlink(candidate.c_str());
        }
        ::close(fd);
    }
}

std::string randomSuffix()
{
    unsigned char bytes[kSuffixLength];
    if (::getrandom(bytes, sizeof bytes, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof bytes)) {
        static std::atomic<std::uint64_t> counter{0};
        std::uint64_t state = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
                              (static_cast<std::uint64_t>(::getpid()) << 32) ^ ++counter;
        for (unsigned char& byte : bytes) {
            state = state * 6364136223846793005ULL + 1442695040888963407ULL;
            byte = static_cast<unsigned char>(state >> 56);
        }
    }
    std::string suffix;
    for (unsigned char byte : bytes) {
        suffix += kSuffixAlphabet[byte % kSuffixAlphabet.size()];
    }
    return suffix;
}

// The process's umask. Linux tells it in /proc; elsewhere it can only be read by setting it, which
// for a moment gives files that other threads create the wrong mode, so that is done once.
mode_t processUmask()
{
    std::string status;
    if (readFile("/proc/self/status", status)) {
        const auto at = status.find("\nUmask:");
        if (at != std::string::npos) {
            return static_cast<mode_t>(std::strtoul(status.c_str() + at + 7, nullptr, 8) & 0777);
        }
    }
    static const mode_t once = [] {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return mask;
    }();
    return once;
}

mode_t defaultMode()
{
    return 0666 & ~processUmask();
}

bool writeAll(int fd, std::string_view content)
{
    while (!content.empty()) {
        const ssize_t n = ::write(fd, content.data(), content.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The content, whole and on disk, with the target's permissions.
bool fill(int fd, std::string_view content, mode_t mode)
{
    return writeAll(fd, content) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
}

// Gives the unnamed file of `fd` the name `to`; through /proc first, which any user may do, then
// by the descriptor itself, which needs privileges but no /proc.
bool linkUnnamed(int fd, const std::string& to)
{
    const std::string procPath = "/proc/self/fd/" + std::to_string(fd);
    if (::linkat(AT_FDCWD, procPath.c_str(), AT_FDCWD, to.c_str(), AT_SYMLINK_FOLLOW) == 0) {
        return true;
    }
    if (errno == EEXIST) {
        return false;
    }
    return ::linkat(fd, "", AT_FDCWD, to.c_str(), AT_EMPTY_PATH) == 0;
}

enum class Outcome
{
    Written,
    Failed,
    Unsupported, // the file system or the system cannot do it this way; nothing was left behind
};

// The file is written without a name (O_TMPFILE) and named only once it is complete, so a kill
// while writing leaves nothing; only a kill between naming it and the rename can.
Outcome writeThroughUnnamedFile(const std::string& path, std::string_view content, mode_t mode, std::string& error)
{
    const int fd = ::open(folderOf(path).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd < 0) {
        return Outcome::Unsupported;
    }
    if (::flock(fd, LOCK_EX) != 0 || !fill(fd, content, mode)) {
        error = failureText(path, errno);
        ::close(fd);
        return Outcome::Failed;
    }
    const std::string prefix = temporaryPrefix(path);
    std::string temporary;
    bool named = false;
    for (int attempt = 0; attempt < kNameAttempts && !named; ++attempt) {
        temporary = prefix + randomSuffix();
        named = linkUnnamed(fd, temporary);
        if (!named && errno != EEXIST) {
            break;
        }
    }
    if (!named) {
        ::close(fd);
        return Outcome::Unsupported;
    }
    Outcome outcome = Outcome::Written;
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        error = failureText(path, errno);
        ::unlink(temporary.c_str());
        outcome = Outcome::Failed;
    }
    ::close(fd); // the lock lasts until here, past the rename
    return outcome;
}

bool writeThroughNamedFile(const std::string& path, std::string_view content, mode_t mode, std::string& error)
{
    std::string temporary = temporaryPrefix(path) + "XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        error = failureText(path, errno);
        return false;
    }
    bool ok = ::flock(fd, LOCK_EX) == 0 && fill(fd, content, mode);
    if (!ok) {
        error = failureText(path, errno);
    }
    if (ok && ::rename(temporary.c_str(), path.c_str()) != 0) {
        error = failureText(path, errno);
        ok = false;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
    }
    if (::close(fd) != 0 && ok) {
        // The data was already synced; a late close error still means the write is in doubt.
        error = failureText(path, errno);
        ok = false;
    }
    return ok;
}

bool writeWithMode(const std::string& path, std::string_view content, const mode_t* forcedMode, std::string& error)
{
    error.clear();
    mode_t mode = defaultMode();
    struct stat st
    {
    };
    if (::stat(path.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) {
            error = notRegularText(path, st.st_mode);
            return false;
        }
        if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
            error = path + ": the file is read-only";
            return false;
        }
        mode = st.st_mode & 07777;
    }
    if (forcedMode != nullptr) {
        mode = *forcedMode & 07777;
    }

    removeStaleTemporaries(path);
    switch (writeThroughUnnamedFile(path, content, mode, error)) {
    case Outcome::Written:
        return true;
    case Outcome::Failed:
        return false;
    case Outcome::Unsupported:
        break;
    }
    return writeThroughNamedFile(path, content, mode, error);
}

} // namespace

bool writeFileAtomically(const std::string& path, std::string_view content, std::string& error)
{
    return writeWithMode(path, content, nullptr, error);
}

bool writeFileAtomically(const std::string& path, std::string_view content, unsigned mode, std::string& error)
{
    const auto forced = static_cast<mode_t>(mode);
    return writeWithMode(path, content, &forced, error);
}

bool setReadOnly(const std::string& path)
{
    struct stat st
    {
    };
    if (::stat(path.c_str(), &st) != 0) {
        return false;
    }
    return ::chmod(path.c_str(), st.st_mode & 07777 & ~(S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

bool isReadOnly(const std::string& path)
{
    struct stat st
    {
    };
    return ::stat(path.c_str(), &st) == 0 && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

} // namespace vorbix::text

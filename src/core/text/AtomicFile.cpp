#include "core/text/AtomicFile.h"

#include "core/text/TextFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorbix::text {
namespace {

std::string folderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

mode_t defaultMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
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

} // namespace

bool writeFileAtomically(const std::string& path, std::string_view content, std::string& error)
{
    error.clear();
    mode_t mode = defaultMode();
    struct stat st
    {
    };
    if (::stat(path.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) {
            error = failureText(path, EISDIR);
            return false;
        }
        if (!S_ISREG(st.st_mode)) {
            error = path + ": not a regular file";
            return false;
        }
        if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
            error = path + ": the file is read-only";
            return false;
        }
        mode = st.st_mode & 07777;
    }

    std::string tmpl = folderOf(path) + "/." + path.substr(path.find_last_of('/') + 1) + ".XXXXXX";
    const int fd = ::mkstemp(tmpl.data());
    if (fd < 0) {
        error = failureText(path, errno);
        return false;
    }
    bool ok = writeAll(fd, content) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    if (!ok) {
        error = failureText(path, errno);
    }
    if (::close(fd) != 0 && ok) {
        error = failureText(path, errno);
        ok = false;
    }
    if (ok && ::rename(tmpl.c_str(), path.c_str()) != 0) {
        error = failureText(path, errno);
        ok = false;
    }
    if (!ok) {
        ::unlink(tmpl.c_str());
    }
    return ok;
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

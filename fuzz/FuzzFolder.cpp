#include "FuzzFolder.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace vorbix::fuzz {
namespace {

class ScratchFolder
{
public:
    ScratchFolder()
    {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/vorbix-fuzz-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::perror("vorbix fuzz: cannot create a scratch folder");
            std::abort();
        }
        m_path = pattern;
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

} // namespace

const std::string& scratchFolder()
{
    static const ScratchFolder folder;
    return folder.path();
}

std::string writeScratchFile(const std::string& name, std::string_view content)
{
    const std::string path = scratchFolder() + "/" + name;
    // A new file rather than a truncated one: ext4 starts writing a truncated file back to the disk
    // when it is closed, which costs a hundred times the run of the reader.
    ::unlink(path.c_str());
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        std::perror(path.c_str());
        std::abort();
    }
    while (!content.empty()) {
        const ssize_t n = ::write(fd, content.data(), content.size());
        if (n <= 0) {
            std::perror(path.c_str());
            std::abort();
        }
        content.remove_prefix(static_cast<std::size_t>(n));
    }
    ::close(fd);
    return path;
}

void removeScratchFile(const std::string& name)
{
    ::unlink((scratchFolder() + "/" + name).c_str());
}

} // namespace vorbix::fuzz

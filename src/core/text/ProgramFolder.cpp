#include "core/text/ProgramFolder.h"

#include <climits>
#include <string_view>
#include <unistd.h>

namespace vorbix::text {

std::string withoutTrailingSeparator(std::string folder)
{
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    return folder;
}

std::string executableFolder()
{
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) {
        return {};
    }
    std::string path(buffer, static_cast<std::size_t>(n));
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return {};
    }
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

CommandLine parseCommandLine(int argc, const char* const* argv)
{
    CommandLine result;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--folder") {
            if (i + 1 >= argc) {
                result.error = "--folder needs a folder";
                break;
            }
            result.programFolder = withoutTrailingSeparator(argv[++i]);
        } else if (arg.starts_with("--folder=")) {
            result.programFolder = withoutTrailingSeparator(std::string(arg.substr(9)));
        } else {
            result.arguments.emplace_back(arg);
        }
    }
    if (result.programFolder.empty()) {
        result.programFolder = executableFolder();
    }
    return result;
}

} // namespace vorbix::text

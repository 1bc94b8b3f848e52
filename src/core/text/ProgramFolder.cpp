#include "core/text/ProgramFolder.h"

#include "core/text/AtomicFile.h"
#include "core/text/TextFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace vorbix::text {
namespace {

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

// HOME, else the password database's home of this user (a service started without HOME).
std::string homeFolder()
{
    std::string home = environment("HOME");
    if (home.empty()) {
        if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_dir != nullptr) {
            home = entry->pw_dir;
        }
    }
    return home;
}

bool holdsShippedFiles(const std::string& folder)
{
    return !folder.empty() && fileExists(joinPath(folder, kShippedMarker));
}

// Creates `folder` and its parents (mode 0700 for new ones: the folder holds the user's accounts).
bool makeFolders(const std::filesystem::path& folder, std::string& error)
{
    std::error_code ec;
    if (std::filesystem::is_directory(folder, ec)) {
        return true;
    }
    if (folder.has_parent_path() && folder.parent_path() != folder && !makeFolders(folder.parent_path(), error)) {
        return false;
    }
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        error = failureText(folder.string(), errno);
        return false;
    }
    return true;
}

// Writes the copy under a temporary name and then gives it the target's name only if that name is
// still free, so a file the user has (or one another start just wrote) is never replaced.
bool copyIfMissing(const std::filesystem::path& from, const std::filesystem::path& to, std::string& error)
{
    std::string content;
    if (!readFile(from.string(), content, error)) {
        return false;
    }
    const std::string temporary = joinPath(to.parent_path().string(), "." + to.filename().string() + ".shipped");
    if (!writeFileAtomically(temporary, content, error)) {
        return false;
    }
    const bool named = ::link(temporary.c_str(), to.c_str()) == 0 || errno == EEXIST;
    const int reason = errno;
    ::unlink(temporary.c_str());
    if (!named) {
        error = failureText(to.string(), reason);
    }
    return named;
}

} // namespace

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

FolderPlan planProgramFolder(const std::string& requested, const std::string& exeFolder, const std::string& xdgDataHome,
                             const std::string& home)
{
    if (!requested.empty()) {
        return {withoutTrailingSeparator(requested), {}};
    }
    if (holdsShippedFiles(exeFolder)) {
        return {exeFolder, {}};
    }
    const std::filesystem::path installed = std::filesystem::path(exeFolder).parent_path() / "share" / "vorbix";
    if (!exeFolder.empty() && holdsShippedFiles(installed.string())) {
        std::string dataHome = xdgDataHome;
        // A relative XDG_DATA_HOME is invalid and is to be ignored.
        if (dataHome.empty() || dataHome.front() != '/') {
            dataHome = joinPath(home, ".local/share");
        }
        return {joinPath(withoutTrailingSeparator(dataHome), "vorbix"), installed.lexically_normal().string()};
    }
    return {exeFolder, {}};
}

bool findProgramFolder(const std::string& requested, std::string& folder, std::string& error)
{
    const FolderPlan plan =
        planProgramFolder(requested, executableFolder(), environment("XDG_DATA_HOME"), homeFolder());
    folder = plan.folder;
    if (plan.shipped.empty()) {
        return true;
    }
    if (!copyMissingFiles(plan.shipped, plan.folder, error)) {
        error = "cannot prepare the program folder: " + error;
        return false;
    }
    return true;
}

bool copyMissingFiles(const std::string& from, const std::string& to, std::string& error)
{
    namespace fs = std::filesystem;
    if (!makeFolders(to, error)) {
        return false;
    }
    std::error_code ec;
    fs::recursive_directory_iterator it(from, ec);
    for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        const fs::path target = fs::path(to) / it->path().lexically_relative(from);
        std::error_code kind;
        if (it->is_directory(kind)) {
            if (!makeFolders(target, error)) {
                return false;
            }
        } else if (it->is_regular_file(kind) && !fs::exists(fs::symlink_status(target, kind))) {
            if (!copyIfMissing(it->path(), target, error)) {
                return false;
            }
        }
    }
    if (ec) {
        error = failureText(from, ec.value());
        return false;
    }
    return true;
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
        } else if (arg == "--version") {
            result.version = true;
        } else {
            result.arguments.emplace_back(arg);
        }
    }
    return result;
}

std::string versionLine(const std::string& programName)
{
    return programName + " " + VORBIX_VERSION;
}

} // namespace vorbix::text

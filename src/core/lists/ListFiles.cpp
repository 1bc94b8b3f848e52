#include "core/lists/ListFiles.h"

#include "core/model/ModelText.h"
#include "core/text/AtomicFile.h"
#include "core/text/TextFile.h"

#include <sys/stat.h>

namespace vorbix::lists {

namespace {

// A regular file of its own (not a link, a folder or a device) may hold entries the list lacks;
// anything else is for the writer to refuse or replace with its own reason.
bool holdsEntries(const std::string& path)
{
    struct stat st
    {
    };
    return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

} // namespace

bool readListFile(const std::string& path, std::string& content, ListLoad& load, bool& read)
{
    load = ListLoad{};
    if (text::readFile(path, content, load.error)) {
        read = true;
        return true;
    }
    load.missing = text::isMissing(path);
    read = load.missing;
    return false;
}

bool writeListFile(const std::string& path, const std::string& content, bool& read, std::string& error)
{
    if (!read && holdsEntries(path)) {
        error = path + ": the list was not read, so it is not written over the file";
        return false;
    }
    if (!text::writeFileAtomically(path, content, error)) {
        return false;
    }
    read = true; // the file now holds what the list holds
    return true;
}

int decimalField(const std::string& text)
{
    int value = 0;
    return model::parseDecimal(text, value) ? value : 0;
}

} // namespace vorbix::lists

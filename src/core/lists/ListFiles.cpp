#include "core/lists/ListFiles.h"

#include "core/model/ModelText.h"
#include "core/text/AtomicFile.h"

namespace vorbix::lists {

bool readListFile(const std::string& path, std::string& content, ListLoad& load, bool& read)
{
    load = ListLoad{};
    const bool ok = text::readFile(path, content, load.error);
    read = ok || !text::fileExists(path);
    return ok;
}

bool writeListFile(const std::string& path, const std::string& content, bool& read, std::string& error)
{
    if (!read && text::fileExists(path)) {
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

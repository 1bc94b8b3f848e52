#include "core/lists/ListFiles.h"

#include "core/model/ModelText.h"
#include "core/text/AtomicFile.h"

namespace vorbix::lists {

bool readListFile(const std::string& path, std::string& content, ListLoad& load)
{
    load = ListLoad{};
    if (text::readFile(path, content, load.error)) {
        return true;
    }
    load.missing = text::isMissing(path);
    return false;
}

bool writeListFile(const std::string& path, const std::string& content, std::string& error)
{
    return text::writeFileAtomically(path, content, error);
}

int decimalField(const std::string& text)
{
    int value = 0;
    return model::parseDecimal(text, value) ? value : 0;
}

} // namespace vorbix::lists

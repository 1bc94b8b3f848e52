#include "core/app/SupportedReceivers.h"

#include "core/text/TextFile.h"

namespace vorbix::app {

std::vector<std::string> SupportedReceiversFromLines(const std::vector<std::string>& lines)
{
    std::vector<std::string> descriptions;
    std::size_t i = 0;
    while (i < lines.size()) {
        ++i; // the model name
        if (i >= lines.size()) {
            break;
        }
        descriptions.push_back(lines[i++]);
        while (i < lines.size() && lines[i++] != "#E") {
        }
    }
    return descriptions;
}

bool ReadSupportedReceivers(const std::string& rxDefPath, std::vector<std::string>& descriptions, std::string& error)
{
    std::vector<std::string> lines;
    if (!text::readLines(rxDefPath, lines, error)) {
        descriptions.clear();
        return false;
    }
    descriptions = SupportedReceiversFromLines(lines);
    return true;
}

} // namespace vorbix::app

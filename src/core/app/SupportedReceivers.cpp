#include "core/app/SupportedReceivers.h"

#include "core/base/ReceiverDescription.h"
#include "core/text/TextFile.h"

namespace vorbix::app {

std::vector<std::string> SupportedReceiversFromLines(const std::vector<std::string>& lines, const PopisType& lang)
{
    std::vector<std::string> descriptions;
    std::size_t i = 0;
    while (i < lines.size()) {
        const std::string& model = lines[i++];
        if (i >= lines.size()) {
            break;
        }
        descriptions.push_back(receivers::ReceiverDescription(lang, model, lines[i++]));
        while (i < lines.size() && lines[i++] != "#E") {
        }
    }
    return descriptions;
}

bool ReadSupportedReceivers(const std::string& rxDefPath, std::vector<std::string>& descriptions, std::string& error,
                            const PopisType& lang)
{
    std::vector<std::string> lines;
    if (!text::readLines(rxDefPath, lines, error)) {
        descriptions.clear();
        return false;
    }
    descriptions = SupportedReceiversFromLines(lines, lang);
    return true;
}

} // namespace vorbix::app

#include "core/lists/ListLine.h"

namespace vorbix::lists {

std::vector<std::string> splitListFields(std::string_view line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t mark = line.find('#'); mark != std::string_view::npos; mark = line.find('#', start)) {
        fields.emplace_back(line.substr(start, mark - start));
        start = mark + 1;
    }
    return fields;
}

std::string withoutFieldMarks(std::string_view text)
{
    std::string clean;
    clean.reserve(text.size());
    for (char c : text) {
        if (c != '#') {
            clean += c;
        }
    }
    return clean;
}

std::string joinListFields(const std::vector<std::string>& fields)
{
    std::string line;
    for (const std::string& field : fields) {
        line += field.find('#') == std::string::npos ? field : withoutFieldMarks(field);
        line += '#';
    }
    return line;
}

} // namespace vorbix::lists

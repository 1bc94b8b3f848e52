#include "core/export/CsvExport.h"

#include "core/text/AtomicFile.h"
#include "core/text/Cp1250.h"

namespace vorbix::exports {

std::string csvField(std::string_view utf8Text)
{
    const bool quoted = utf8Text.find_first_of(",\"\r\n") != std::string_view::npos ||
                        (!utf8Text.empty() && (utf8Text.front() == ' ' || utf8Text.back() == ' '));
    if (!quoted) {
        return std::string(utf8Text);
    }
    std::string out = "\"";
    for (const char c : utf8Text) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    out += '"';
    return out;
}

std::string csvText(const SheetTable& table)
{
    std::string out;
    const auto appendRow = [&out](const std::vector<std::string>& cells, int columns) {
        for (int c = 0; c < columns; ++c) {
            if (c > 0) {
                out += ',';
            }
            if (static_cast<std::size_t>(c) < cells.size()) {
                out += csvField(cp1250::toUtf8(cells[static_cast<std::size_t>(c)]));
            }
        }
        out += "\r\n";
    };
    appendRow(table.titles, table.columnCount());
    for (const std::vector<std::string>& row : table.rows) {
        appendRow(row, table.columnCount());
    }
    return out;
}

bool exportCsv(const SheetTable& table, const std::string& target, std::string& error)
{
    return text::writeFileAtomically(target, csvText(table), error);
}

} // namespace vorbix::exports

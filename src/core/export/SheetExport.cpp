#include "core/export/SheetExport.h"

#include "core/export/SylkCells.h"
#include "core/export/TFreeExcelS.h"
#include "core/text/TextFile.h"

namespace vorbix::exports {

namespace {

bool writeDataCell(const SheetTable& table, int r, int c, TFreeExcelS& writer, std::string& error)
{
    const std::vector<std::string>& cells = table.rows[static_cast<std::size_t>(r)];
    static const std::string empty;
    const std::string& text = static_cast<std::size_t>(c) < cells.size() ? cells[static_cast<std::size_t>(c)] : empty;
    const int row = r + 2;
    const int column = c + 1;
    switch (table.kindOf(c)) {
    case CellKind::Integer: {
        long long value = 0;
        if (parseCellInteger(text, value)) {
            return writer.WriteInteger(row, column, value, error);
        }
        break;
    }
    case CellKind::TimeStamp:
        if (static_cast<std::size_t>(r) < table.dayCounts.size()) {
            return writer.WriteTimeStamp(row, column, table.dayCounts[static_cast<std::size_t>(r)], error);
        }
        break;
    case CellKind::Text:
        break;
    }
    return writer.WriteText(row, column, text, error);
}

} // namespace

bool writeSheet(const SheetTable& table, TFreeExcelS& writer, std::string& error)
{
    for (int c = 0; c < table.columnCount(); ++c) {
        if (!writer.WriteText(1, c + 1, table.titles[static_cast<std::size_t>(c)], error)) {
            return false;
        }
    }
    for (int r = 0; r < table.rowCount(); ++r) {
        for (int c = 0; c < table.columnCount(); ++c) {
            if (!writeDataCell(table, r, c, writer, error)) {
                return false;
            }
        }
    }
    return true;
}

bool exportSheet(const SheetTable& table, const std::string& target, std::string& error)
{
    TFreeExcelS writer(target,
                       static_cast<std::size_t>(table.rowCount() + 1) * static_cast<std::size_t>(table.columnCount()));
    return writeSheet(table, writer, error) && writer.Finish(error);
}

std::string withXlsExtension(const std::string& path)
{
    const std::string name = text::baseName(path);
    return name.find('.') == std::string::npos ? path + ".xls" : path;
}

} // namespace vorbix::exports

#include "core/export/XlsxExport.h"

#include "core/export/SylkCells.h"
#include "core/text/AtomicFile.h"
#include "core/text/Cp1250.h"
#include "core/text/TextFile.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <cstdlib>
#include <unistd.h>

namespace vorbix::exports {

namespace {

// Grid pixels per character of the spreadsheet's standard font.
constexpr double kPixelsPerCharacter = 7.0;
constexpr double kMaxTextWidth = 60.0;
constexpr double kTimeStampWidth = 20.0;

// The cell text in UTF-8 without the control characters that a workbook's XML cannot hold.
std::string workbookText(const std::string& cp1250Text)
{
    std::string text = cp1250::toUtf8(cp1250Text);
    std::erase_if(text, [](char c) { return static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n'; });
    return text;
}

// Characters of a UTF-8 text (lead bytes only).
std::size_t characterCount(const std::string& utf8)
{
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

double columnWidth(const SheetTable& table, int column)
{
    if (const int pixels = table.gridWidthOf(column); pixels > 0) {
        return pixels / kPixelsPerCharacter;
    }
    if (table.kindOf(column) == CellKind::TimeStamp) {
        return kTimeStampWidth;
    }
    std::size_t longest = characterCount(cp1250::toUtf8(table.titles[static_cast<std::size_t>(column)])) + 3;
    for (const std::vector<std::string>& row : table.rows) {
        if (static_cast<std::size_t>(column) < row.size()) {
            longest = std::max(longest, row[static_cast<std::size_t>(column)].size() + 1);
        }
    }
    return std::min(static_cast<double>(longest), kMaxTextWidth);
}

// A scratch folder only this process uses; removed with its file by the destructor.
class ScratchFolder
{
public:
    ScratchFolder()
    {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/vorbix-xlsx.XXXXXX";
        if (mkdtemp(pattern.data())) {
            m_path = pattern;
        }
    }
    ~ScratchFolder()
    {
        if (!m_path.empty()) {
            ::unlink(file().c_str());
            ::rmdir(m_path.c_str());
        }
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    bool made() const { return !m_path.empty(); }
    const std::string& path() const { return m_path; }
    std::string file() const { return m_path + "/sheet.xlsx"; }

private:
    std::string m_path;
};

// Most cells are plain ASCII and go to the workbook as they are, without a converted copy.
lxw_error writeText(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, const std::string& cp1250Text,
                    lxw_format* format)
{
    const bool plain = std::all_of(cp1250Text.begin(), cp1250Text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0x20 && byte < 0x80;
    });
    return worksheet_write_string(sheet, row, column, plain ? cp1250Text.c_str() : workbookText(cp1250Text).c_str(),
                                  format);
}

bool writeCells(const SheetTable& table, lxw_workbook* workbook, lxw_worksheet* sheet)
{
    lxw_format* bold = workbook_add_format(workbook);
    format_set_bold(bold);
    lxw_format* timeStamp = workbook_add_format(workbook);
    format_set_num_format(timeStamp, "yyyy-mm-dd hh:mm:ss");

    const int columns = table.columnCount();
    for (int c = 0; c < columns; ++c) {
        const auto column = static_cast<lxw_col_t>(c);
        worksheet_set_column(sheet, column, column, columnWidth(table, c), nullptr);
        if (writeText(sheet, 0, column, table.titles[static_cast<std::size_t>(c)], bold) != LXW_NO_ERROR) {
            return false;
        }
    }
    for (int r = 0; r < table.rowCount(); ++r) {
        const std::vector<std::string>& cells = table.rows[static_cast<std::size_t>(r)];
        const auto row = static_cast<lxw_row_t>(r + 1);
        for (int c = 0; c < columns && static_cast<std::size_t>(c) < cells.size(); ++c) {
            const std::string& text = cells[static_cast<std::size_t>(c)];
            const auto column = static_cast<lxw_col_t>(c);
            lxw_error written = LXW_NO_ERROR;
            long long value = 0;
            if (table.kindOf(c) == CellKind::Integer && parseCellInteger(text, value)) {
                written = worksheet_write_number(sheet, row, column, static_cast<double>(value), nullptr);
            } else if (table.kindOf(c) == CellKind::TimeStamp && static_cast<std::size_t>(r) < table.dayCounts.size()) {
                written =
                    worksheet_write_number(sheet, row, column, table.dayCounts[static_cast<std::size_t>(r)], timeStamp);
            } else if (!text.empty()) {
                written = writeText(sheet, row, column, text, nullptr);
            }
            if (written != LXW_NO_ERROR) {
                return false;
            }
        }
    }
    worksheet_freeze_panes(sheet, 1, 0);
    if (columns > 0) {
        worksheet_autofilter(sheet, 0, 0, static_cast<lxw_row_t>(table.rowCount()),
                             static_cast<lxw_col_t>(columns - 1));
    }
    return true;
}

} // namespace

bool exportXlsx(const SheetTable& table, const std::string& target, std::string& error)
{
    ScratchFolder scratch;
    if (!scratch.made()) {
        error = target + ": no scratch folder for the workbook";
        return false;
    }
    const std::string file = scratch.file();
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    std::string tmpdir = scratch.path();
    options.tmpdir = tmpdir.data();
    lxw_workbook* workbook = workbook_new_opt(file.c_str(), &options);
    if (!workbook) {
        error = target + ": the workbook cannot be made";
        return false;
    }
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, nullptr);
    const bool cells = sheet && writeCells(table, workbook, sheet);
    const lxw_error closed = workbook_close(workbook);
    if (!cells || closed != LXW_NO_ERROR) {
        error = target + ": " + (closed != LXW_NO_ERROR ? lxw_strerror(closed) : "a cell cannot be written");
        return false;
    }
    std::string content;
    if (!text::readFile(file, content, error)) {
        return false;
    }
    return text::writeFileAtomically(target, content, error);
}

} // namespace vorbix::exports

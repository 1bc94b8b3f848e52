#include "core/export/TFreeExcelS.h"

#include "core/export/SylkCells.h"
#include "core/text/AtomicFile.h"

namespace vorbix::exports {

namespace {

// 41 lines, 972 bytes: the number formats (format 0 "General", format 27 "d/m/yyyy\ h:mm") and four
// standard fonts. 0x1B stands inside some formats as the spreadsheet's escape.
constexpr std::string_view kPreamble =
    "ID;PWXL;N;E\r\n"
    "P;PGeneral\r\n"
    "P;P0\r\n"
    "P;P0.00\r\n"
    "P;P#,##0\r\n"
    "P;P#,##0.00\r\n"
    "P;P#,##0\\ _K_\x1BNAe;;\\-#,##0\\ _K_\x1BNAe\r\n"
    "P;P#,##0\\ _K_\x1BNAe;;[Red]\\-#,##0\\ _K_\x1BNAe\r\n"
    "P;P#,##0.00\\ _K_\x1BNAe;;\\-#,##0.00\\ _K_\x1BNAe\r\n"
    "P;P#,##0.00\\ _K_\x1BNAe;;[Red]\\-#,##0.00\\ _K_\x1BNAe\r\n"
    "P;P#,##0\\ \"$\";;\\-#,##0\\ \"$\"\r\n"
    "P;P#,##0\\ \"$\";;[Red]\\-#,##0\\ \"$\"\r\n"
    "P;P#,##0.00\\ \"$\";;\\-#,##0.00\\ \"$\"\r\n"
    "P;P#,##0.00\\ \"$\";;[Red]\\-#,##0.00\\ \"$\"\r\n"
    "P;P0%\r\n"
    "P;P0.00%\r\n"
    "P;P0.00E+00\r\n"
    "P;P##0.0E+0\r\n"
    "P;P#\" \"?/?\r\n"
    "P;P#\" \"?\?/??\r\n"
    "P;Pd/m/yyyy\r\n"
    "P;Pd/mmm/yy\r\n"
    "P;Pd/mmm\r\n"
    "P;Pmmm/yy\r\n"
    "P;Ph:mm\\ dop./odp.\r\n"
    "P;Ph:mm:ss\\ dop./odp.\r\n"
    "P;Ph:mm\r\n"
    "P;Ph:mm:ss\r\n"
    "P;Pd/m/yyyy\\ h:mm\r\n"
    "P;Pmm:ss\r\n"
    "P;Pmm:ss.0\r\n"
    "P;P@\r\n"
    "P;P[h]:mm:ss\r\n"
    "P;P_-* #,##0\\ \"$\"_-;;\\-* #,##0\\ \"$\"_-;;_-* \"-\"\\ \"$\"_-;;_-@_-\r\n"
    "P;P_-* #,##0\\ _K_\x1BNAe_-;;\\-* #,##0\\ _K_\x1BNAe_-;;_-* \"-\"\\ _K_\x1BNAe_-;;_-@_-\r\n"
    "P;P_-* #,##0.00\\ \"$\"_-;;\\-* #,##0.00\\ \"$\"_-;;_-* \"-\"?\?\\ \"$\"_-;;_-@_-\r\n"
    "P;P_-* #,##0.00\\ _K_\x1BNAe_-;;\\-* #,##0.00\\ _K_\x1BNAe_-;;_-* \"-\"?\?\\ _K_\x1BNAe_-;;_-@_-\r\n"
    "P;FArial CE;M200\r\n"
    "P;FArial CE;M200\r\n"
    "P;FArial CE;M200\r\n"
    "P;FArial CE;M200\r\n";
static_assert(kPreamble.size() == 972);

// The one font: "Courier New CE", 10 pt (size x 20), no style, colour selector 4 (colour 9); the
// font list numbers its records from 5.
constexpr std::string_view kFontList = "P;ECourier New CE;M200;L9\r\n";
constexpr int kFontNumber = 5;
constexpr std::string_view kAlignment = "FG0R;"; // right-aligned
constexpr std::string_view kBorders = "";
constexpr std::string_view kFixedLines = "F;P0;DG0G8;M255\r\n"
                                         "B;Y1;X1;D0 0 0 0\r\n"
                                         "O;D;V0;K47;G100 0.001\r\n";
constexpr int kGeneralFormat = 0;
constexpr int kTimeStampFormat = 27;

} // namespace

TFreeExcelS::TFreeExcelS(std::string target) : m_target(std::move(target)) {}

bool TFreeExcelS::writeCell(int row, int column, int format, std::string_view value, std::string& error)
{
    if (row < 1 || column < 1) {
        error = cellPositionErrorText();
        return false;
    }
    const std::string y = std::to_string(row);
    const std::string x = std::to_string(column);
    m_cells += "F;P" + std::to_string(format) + ";";
    m_cells += kAlignment;
    m_cells += "S";
    m_cells += kBorders;
    m_cells += "M" + std::to_string(kFontNumber) + ";Y" + y + ";X" + x + " \r\n";
    m_cells += "C;Y" + y + ";X" + x + ";";
    m_cells += value;
    m_cells += "\r\n";
    return true;
}

bool TFreeExcelS::WriteText(int row, int column, std::string_view text, std::string& error)
{
    return writeCell(row, column, kGeneralFormat, "K\"" + encodeSylkText(text) + "\"", error);
}

bool TFreeExcelS::WriteInteger(int row, int column, long long value, std::string& error)
{
    return writeCell(row, column, kGeneralFormat, "K" + sylkNumber(static_cast<double>(value)), error);
}

bool TFreeExcelS::WriteTimeStamp(int row, int column, double days, std::string& error)
{
    return writeCell(row, column, kTimeStampFormat, "K" + sylkNumber(days), error);
}

std::string TFreeExcelS::content() const
{
    std::string out;
    out.reserve(kPreamble.size() + kFontList.size() + kFixedLines.size() + m_cells.size() + 3);
    out += kPreamble;
    out += kFontList;
    out += kFixedLines;
    out += m_cells;
    out += "E\r\n";
    return out;
}

bool TFreeExcelS::Finish(std::string& error) const
{
    std::string failure;
    if (text::writeFileAtomically(m_target, content(), failure)) {
        return true;
    }
    // The atomic writer says "PATH: REASON"; the message names the file itself.
    const std::string prefix = m_target + ": ";
    error = closeErrorText(m_target, failure.starts_with(prefix) ? failure.substr(prefix.size()) : failure);
    return false;
}

std::string cellPositionErrorText()
{
    return "Hodnoty (X,Y) nesm\xECj\xED dos\xE1hnout hodnotu 0";
}

std::string closeErrorText(const std::string& target, const std::string& reason)
{
    return "Soubor \"" + target + "\" nelze uzav\xF8\xEDt - chyba:\r\n" + reason;
}

} // namespace vorbix::exports

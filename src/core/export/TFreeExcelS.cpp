#include "core/export/TFreeExcelS.h"

#include "core/export/SylkCells.h"
#include "core/text/AtomicFile.h"

#include <charconv>

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
constexpr std::string_view kFixedLines = "F;P0;DG0G8;M255\r\n"
                                         "B;Y1;X1;D0 0 0 0\r\n"
                                         "O;D;V0;K47;G100 0.001\r\n";
constexpr int kGeneralFormat = 0;
constexpr int kTimeStampFormat = 27;
constexpr std::string_view kEnd = "E\r\n";

// A cell's format line up to its position: "F;P" + format number + ";" + the alignment "FG0R;"
// (right) + "S" + the borders (none) + "M" + the font number.
constexpr std::string_view kGeneralCellStart = "F;P0;FG0R;SM5";
constexpr std::string_view kTimeStampCellStart = "F;P27;FG0R;SM5";

void appendNumber(std::string& out, int value)
{
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

} // namespace

TFreeExcelS::TFreeExcelS(std::string target, std::size_t expectedCells) : m_target(std::move(target))
{
    // About 50 bytes a cell.
    m_file.reserve(kPreamble.size() + kFontList.size() + kFixedLines.size() + expectedCells * 56 + 8);
    m_file += kPreamble;
    m_file += kFontList;
    m_file += kFixedLines;
}

bool TFreeExcelS::beginCell(int row, int column, int format, std::string& error)
{
    if (row < 1 || column < 1) {
        error = cellPositionErrorText();
        return false;
    }
    m_file += format == kTimeStampFormat ? kTimeStampCellStart : kGeneralCellStart;
    const std::size_t position = m_file.size();
    m_file += ";Y";
    appendNumber(m_file, row);
    m_file += ";X";
    appendNumber(m_file, column);
    const std::size_t positionLength = m_file.size() - position;
    m_file += " \r\nC";
    m_file.append(m_file, position, positionLength);
    m_file += ";K";
    return true;
}

bool TFreeExcelS::WriteText(int row, int column, std::string_view text, std::string& error)
{
    if (!beginCell(row, column, kGeneralFormat, error)) {
        return false;
    }
    m_file += '"';
    appendSylkText(m_file, text);
    m_file += "\"\r\n";
    return true;
}

bool TFreeExcelS::WriteInteger(int row, int column, long long value, std::string& error)
{
    if (!beginCell(row, column, kGeneralFormat, error)) {
        return false;
    }
    appendSylkNumber(m_file, static_cast<double>(value));
    m_file += "\r\n";
    return true;
}

bool TFreeExcelS::WriteTimeStamp(int row, int column, double days, std::string& error)
{
    if (!beginCell(row, column, kTimeStampFormat, error)) {
        return false;
    }
    appendSylkNumber(m_file, days);
    m_file += "\r\n";
    return true;
}

std::string TFreeExcelS::content() const
{
    std::string out = m_file;
    out += kEnd;
    return out;
}

bool TFreeExcelS::Finish(std::string& error)
{
    m_file += kEnd;
    std::string failure;
    const bool written = text::writeFileAtomically(m_target, m_file, failure);
    m_file.resize(m_file.size() - kEnd.size());
    if (written) {
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

#pragma once

#include <string>
#include <string_view>

namespace vorbix::exports {

// The spreadsheet file in SYLK text form, saved as ".xls": a fixed preamble of number formats, the
// font list, three fixed lines, the cell records in the order they were written, and "E". Every
// cell is right-aligned in the one font "Courier New CE" 10 pt.
//
// The cell records are collected in memory and the whole file is written by Finish through the
// atomic writer, so a failed export leaves no half file under the chosen name and no scratch file
// beside it.
class TFreeExcelS
{
public:
    // `expectedCells`: how many cells will be written, to size the buffer once.
    explicit TFreeExcelS(std::string target, std::size_t expectedCells = 0);

    const std::string& target() const { return m_target; }

    // One cell; rows and columns count from 1. False, with the error text, for a row or column
    // below 1 (nothing is written then).
    [[nodiscard]] bool WriteText(int row, int column, std::string_view text, std::string& error);
    [[nodiscard]] bool WriteInteger(int row, int column, long long value, std::string& error);
    // `days`: days since 30 December 1899, the time of day as the fraction; shown as d/m/yyyy h:mm.
    [[nodiscard]] bool WriteTimeStamp(int row, int column, double days, std::string& error);

    // The whole file as it is written.
    std::string content() const;
    // Writes the file. False with "Soubor "TARGET" nelze uzavřít - chyba:" and the reason.
    [[nodiscard]] bool Finish(std::string& error);

private:
    // The format line and the content line up to its value; false for a position below 1.
    [[nodiscard]] bool beginCell(int row, int column, int format, std::string& error);

    std::string m_target;
    std::string m_file; // everything but the final "E"
};

// The error texts of the export (code page 1250, as the program shows them).
std::string cellPositionErrorText();
std::string closeErrorText(const std::string& target, const std::string& reason);

} // namespace vorbix::exports

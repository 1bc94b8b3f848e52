#pragma once

#include "core/app/IniFile.h"

#include <array>
#include <string>
#include <vector>

// The column set of the user (file) grid and the grid sections of "Vorbix.ini": which content each
// column shows (its code), which user columns are visible, the column order the user dragged, and
// the column widths of both record grids.
namespace vorbix::views {

// Single: one function, a channel mask and one time per record; Multi: a function and a time per
// relay. The settings carry the layout's name.
enum class GridLayout
{
    Single = 0,
    Multi = 1,
};

// "Single" or "Multi", as the settings keys and sections spell it.
const char* layoutName(GridLayout layout);

// Column codes of the user grid.
namespace code {
inline constexpr int Position = 0;
inline constexpr int Serial = 1;
inline constexpr int TxType = 2;
inline constexpr int Button = 3;
inline constexpr int Function = 4;
inline constexpr int Channels = 5;
inline constexpr int Time = 6;
inline constexpr int ID = 7;
inline constexpr int User1 = 8;              // User 1..4 are 8..11
inline constexpr int RelayFunctionBase = 20; // 20 + j: function of relay j
inline constexpr int RelayTimeBase = 40;     // 40 + j: time of relay j
inline constexpr int Unreadable = 99;
inline constexpr int Filler = 100;
} // namespace code

inline constexpr int kMaxRelayColumns = 20;
inline constexpr int kMaxUserColumns = 60;

// `ColumnCodes`: how many columns are shown and the code of every user-grid column 0..59; the
// codes after the shown count are the hidden columns.
struct ColumnCodes
{
    int count = 0;
    std::array<int, kMaxUserColumns> codes;

    ColumnCodes() { codes.fill(code::Filler); }

    // The code of a column; Filler outside 0..59.
    int codeAt(int column) const;
    // The first shown column with that code, -1 when no shown column has it.
    int shownColumnOf(int code) const;
    // The first column (shown or hidden) with that code, -1 when there is none.
    int anyColumnOf(int code) const;
};

// The five user columns that can be hidden: ID and User 1..4.
using VisibleFlags = std::array<bool, 5>;

// Both layouts' stored code lists (entry 0 the stored count, then up to 60 codes, exactly as read;
// missing entries are not there) and `VisibleFlags`.
struct ColumnConfig
{
    std::array<std::vector<int>, 2> lists;
    std::array<VisibleFlags, 2> visible{VisibleFlags{true, true, true, true, true},
                                        VisibleFlags{true, true, true, true, true}};

    // V: the number of set flags of a layout.
    int visibleCount(GridLayout layout) const;
};

// The stored list texts when the settings have none.
inline constexpr const char* DefaultSingleList = "12,7,8,9,10,11,0,1,2,3,4,5,6,";
inline constexpr const char* DefaultMultiList = "11,7,8,9,10,11,0,1,2,3,21,41,22,42,23,43,24,44,25,45,26,46,27,47,28,"
                                                "48,29,49,30,50,31,51,32,52,33,53,34,54,35,55,36,56,37,57,38,58,39,59,";

// A stored list: cut at each ","; a piece that is not a number gives 99; text after the last ","
// is ignored.
std::vector<int> parseCodeList(const std::string& text);

// Reads "Grid_Config"/User_Single and User_Multi and the ten "Setup"/User...Visible flags.
void LoadColumnConfig(const app::IniFile& ini, ColumnConfig& config);

// Writes the layout's `ColumnCodes` (the count, then the 60 codes, each followed by ",") and all
// ten visibility flags.
void SaveColumnConfig(app::IniFile& ini, GridLayout layout, const ColumnCodes& codes, const ColumnConfig& config);

// Column count of the user grid: V + 7 in the Single layout, V + 2 x SingleRelay + 4 in Multi.
int userColumnCount(GridLayout layout, int visibleCount, int singleRelay);

// `ColumnCodes` of a layout from the stored list (missing entries Filler), with the count rule.
ColumnCodes columnCodesFor(const ColumnConfig& config, GridLayout layout, int singleRelay);

// A dragged user column: the code of `from` moves to `to`, the codes between shift by one toward
// `from`, and `sortColumn` keeps naming the same column. Indexes outside 0..59 change nothing.
void moveUserColumn(ColumnCodes& codes, int& sortColumn, int from, int to);

// Shows or hides the column of `columnCode` (ID or User 1..4): hiding moves it to the last shown
// place and shortens the shown count, showing moves it to the first hidden place and lengthens
// it. False, with nothing changed, when the column is missing or already in that state.
bool setUserColumnVisible(ColumnCodes& codes, int& sortColumn, int columnCode, bool visible);

// Width sections of the record grids: "UserGrid_Single" (12 keys), "UserGrid_Multi" (25),
// "MemGrid_Single" (6), "MemGrid_Multi" (19); key "Col" + i holds the width of column i-1.
enum class RecordGrid
{
    Memory,
    User,
};
std::string widthSection(RecordGrid grid, GridLayout layout);
int widthKeyCount(RecordGrid grid, GridLayout layout);

inline constexpr int kDefaultColumnWidth = 64;

// The stored widths of a grid's keys, 64 where a key is missing.
std::vector<int> LoadWidths(const app::IniFile& ini, RecordGrid grid, GridLayout layout);
// For each width key of LoadWidths: whether the settings hold it. A column without one was never
// sized by the user, so the window may widen it to show its title whole.
std::vector<bool> StoredWidthKeys(const app::IniFile& ini, RecordGrid grid, GridLayout layout);
// Writes every key of the grid; a column beyond `widths` is stored with the standard width.
void SaveWidths(app::IniFile& ini, RecordGrid grid, GridLayout layout, const std::vector<int>& widths);

} // namespace vorbix::views

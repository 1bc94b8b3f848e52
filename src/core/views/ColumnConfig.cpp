#include "core/views/ColumnConfig.h"

#include "core/model/ModelText.h"

namespace vorbix::views {

namespace {

constexpr const char* ConfigSection = "Grid_Config";
constexpr const char* SetupSection = "Setup";

std::string listKey(GridLayout layout)
{
    return std::string("User_") + layoutName(layout);
}

// "UserSingleIDVisible", "UserSingle1Visible" ... "UserMulti4Visible".
std::string visibleKey(GridLayout layout, int flag)
{
    return std::string("User") + layoutName(layout) + (flag == 0 ? std::string("ID") : std::to_string(flag)) +
           "Visible";
}

bool validColumn(int column)
{
    return column >= 0 && column < kMaxUserColumns;
}

} // namespace

const char* layoutName(GridLayout layout)
{
    return layout == GridLayout::Single ? "Single" : "Multi";
}

int ColumnCodes::codeAt(int column) const
{
    return validColumn(column) ? codes[static_cast<std::size_t>(column)] : code::Filler;
}

int ColumnCodes::shownColumnOf(int columnCode) const
{
    for (int column = 0; column < count && column < kMaxUserColumns; ++column) {
        if (codes[static_cast<std::size_t>(column)] == columnCode) {
            return column;
        }
    }
    return -1;
}

int ColumnCodes::anyColumnOf(int columnCode) const
{
    for (int column = 0; column < kMaxUserColumns; ++column) {
        if (codes[static_cast<std::size_t>(column)] == columnCode) {
            return column;
        }
    }
    return -1;
}

int ColumnConfig::visibleCount(GridLayout layout) const
{
    int count = 0;
    for (bool flag : visible[static_cast<std::size_t>(layout)]) {
        count += flag ? 1 : 0;
    }
    return count;
}

std::vector<int> parseCodeList(const std::string& text)
{
    std::vector<int> list;
    std::size_t start = 0;
    for (std::size_t comma = text.find(','); comma != std::string::npos; comma = text.find(',', start)) {
        int value = 0;
        list.push_back(
            model::parseDecimal(std::string_view(text).substr(start, comma - start), value) ? value : code::Unreadable);
        start = comma + 1;
    }
    return list;
}

void LoadColumnConfig(const app::IniFile& ini, ColumnConfig& config)
{
    config.lists[0] = parseCodeList(ini.readString(ConfigSection, listKey(GridLayout::Single), DefaultSingleList));
    config.lists[1] = parseCodeList(ini.readString(ConfigSection, listKey(GridLayout::Multi), DefaultMultiList));
    for (GridLayout layout : {GridLayout::Single, GridLayout::Multi}) {
        for (int flag = 0; flag < 5; ++flag) {
            config.visible[static_cast<std::size_t>(layout)][static_cast<std::size_t>(flag)] =
                ini.readBool(SetupSection, visibleKey(layout, flag), true);
        }
    }
}

void SaveColumnConfig(app::IniFile& ini, GridLayout layout, const ColumnCodes& codes, const ColumnConfig& config)
{
    std::string text = std::to_string(codes.count) + ",";
    for (int columnCode : codes.codes) {
        text += std::to_string(columnCode) + ",";
    }
    ini.writeString(ConfigSection, listKey(layout), text);
    for (GridLayout each : {GridLayout::Single, GridLayout::Multi}) {
        for (int flag = 0; flag < 5; ++flag) {
            ini.writeBool(SetupSection, visibleKey(each, flag),
                          config.visible[static_cast<std::size_t>(each)][static_cast<std::size_t>(flag)]);
        }
    }
}

int userColumnCount(GridLayout layout, int visibleCount, int singleRelay)
{
    return layout == GridLayout::Single ? visibleCount + 7 : visibleCount + 2 * singleRelay + 4;
}

ColumnCodes columnCodesFor(const ColumnConfig& config, GridLayout layout, int singleRelay)
{
    ColumnCodes codes;
    const std::vector<int>& list = config.lists[static_cast<std::size_t>(layout)];
    // Entry 0 of the stored list is the count, which the visibility flags decide instead.
    for (std::size_t i = 1; i < list.size() && i <= codes.codes.size(); ++i) {
        codes.codes[i - 1] = list[i];
    }
    const int count = userColumnCount(layout, config.visibleCount(layout), singleRelay);
    codes.count = count < 0 ? 0 : (count > kMaxUserColumns ? kMaxUserColumns : count);
    return codes;
}

void moveUserColumn(ColumnCodes& codes, int& sortColumn, int from, int to)
{
    if (!validColumn(from) || !validColumn(to) || from == to) {
        return;
    }
    if (sortColumn == from) {
        sortColumn = to;
    } else if (from > to && sortColumn >= to && sortColumn <= from - 1) {
        ++sortColumn;
    } else if (from < to && sortColumn >= from + 1 && sortColumn <= to) {
        --sortColumn;
    }
    const int moved = codes.codes[static_cast<std::size_t>(from)];
    if (from < to) {
        for (int i = from; i < to; ++i) {
            codes.codes[static_cast<std::size_t>(i)] = codes.codes[static_cast<std::size_t>(i + 1)];
        }
    } else {
        for (int i = from; i > to; --i) {
            codes.codes[static_cast<std::size_t>(i)] = codes.codes[static_cast<std::size_t>(i - 1)];
        }
    }
    codes.codes[static_cast<std::size_t>(to)] = moved;
}

bool setUserColumnVisible(ColumnCodes& codes, int& sortColumn, int columnCode, bool visible)
{
    const int column = codes.anyColumnOf(columnCode);
    if (column < 0 || (column < codes.count) == visible) {
        return false;
    }
    if (visible) {
        if (codes.count >= kMaxUserColumns) {
            return false;
        }
        moveUserColumn(codes, sortColumn, column, codes.count);
        ++codes.count;
    } else {
        moveUserColumn(codes, sortColumn, column, codes.count - 1);
        --codes.count;
    }
    return true;
}

std::string widthSection(RecordGrid grid, GridLayout layout)
{
    return std::string(grid == RecordGrid::User ? "UserGrid_" : "MemGrid_") + layoutName(layout);
}

int widthKeyCount(RecordGrid grid, GridLayout layout)
{
    if (grid == RecordGrid::User) {
        return layout == GridLayout::Single ? 12 : 25;
    }
    return layout == GridLayout::Single ? 6 : 19;
}

std::vector<int> LoadWidths(const app::IniFile& ini, RecordGrid grid, GridLayout layout)
{
    const std::string section = widthSection(grid, layout);
    std::vector<int> widths;
    for (int i = 1; i <= widthKeyCount(grid, layout); ++i) {
        widths.push_back(ini.readInteger(section, "Col" + std::to_string(i), kDefaultColumnWidth));
    }
    return widths;
}

std::vector<bool> StoredWidthKeys(const app::IniFile& ini, RecordGrid grid, GridLayout layout)
{
    const std::string section = widthSection(grid, layout);
    std::vector<bool> stored;
    for (int i = 1; i <= widthKeyCount(grid, layout); ++i) {
        stored.push_back(!ini.readString(section, "Col" + std::to_string(i), "").empty());
    }
    return stored;
}

void SaveWidths(app::IniFile& ini, RecordGrid grid, GridLayout layout, const std::vector<int>& widths)
{
    const std::string section = widthSection(grid, layout);
    for (int i = 1; i <= widthKeyCount(grid, layout); ++i) {
        const auto index = static_cast<std::size_t>(i - 1);
        ini.writeInteger(section, "Col" + std::to_string(i),
                         index < widths.size() ? widths[index] : kDefaultColumnWidth);
    }
}

} // namespace vorbix::views

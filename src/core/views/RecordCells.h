#pragma once

#include "core/base/LanguageTable.h"
#include "core/model/TData.h"
#include "core/views/ColumnConfig.h"

#include <array>
#include <string>
#include <vector>

namespace vorbix::model {
class TRxFnc;
struct TDevice;
} // namespace vorbix::model

// The texts the record grids show: column titles and cells, computed from a record and the
// model's function definitions.
namespace vorbix::views {

// What the cell texts depend on besides the record. The pointers must outlive every view built
// with the context.
struct ViewContext
{
    const model::TRxFnc* functions = nullptr;
    const model::TDevice* device = nullptr;
    const PopisType* lang = nullptr;
    std::array<std::string, 5> userTitles; // the settings UserID, User1..User4

    GridLayout layout() const;
    int relays() const;      // the model's Relays
    int singleRelay() const; // SingleRelay of the function file
};

// Prefix followed by Serial, as every grid shows the serial number.
std::string serialText(const model::TData& record);

// A time cell: `timeText` when the function name equals the timed function's entry of FuncNames,
// else "-" (also when TimeFunction indexes no entry).
std::string timeCell(const model::TRxFnc& functions, const std::string& functionName, const std::string& timeText);

// The user-grid cell of a column code (empty for 99, 100, unknown codes and relays beyond the
// model's Relays).
std::string userCellText(const model::TData& record, int columnCode, const ViewContext& context);
// The user-grid title of a column code (empty for the codes without title).
std::string userColumnTitle(int columnCode, const ViewContext& context);
// Codes 0, 1, 6 and 7 sort as numbers, the others by the bytes of their text.
bool sortsAsNumber(int columnCode);
// The number a numeric column sorts by: Position, the hex value of Serial, the hex value of the T
// field (0 when not hex), ID.
long long numericSortKey(const model::TData& record, int columnCode);
// A user-grid cell that marks its row faulty: "-" or "?" under codes 4, 5, 21-39; "0" under 3.
bool userCellFaulty(int columnCode, const std::string& text);

// A memory-grid column.
struct MemoryColumn
{
    enum class Kind
    {
        Position,
        Serial,
        Button,
        Function,
        Channels,
        Time,
        RelayFunction,
        RelayTime,
        User1,
    };
    Kind kind = Kind::Position;
    int relay = 0; // from 1, for the relay kinds
};

// The memory grid's columns for the model and layout: Single: position, serial, button, function,
// channels, time (+ User 1 for KV8MOD-T); Multi: position, serial, button, then function and time
// of every relay (+ User 1 for KV1MOD-T, KVPMOD-T and KV8MOD-T).
std::vector<MemoryColumn> memoryColumns(const ViewContext& context);
std::string memoryColumnTitle(const MemoryColumn& column, const ViewContext& context);
std::string memoryCellText(const model::TData& record, const MemoryColumn& column, const ViewContext& context);
// A memory-grid cell that marks its row faulty: "0" as the button; "-" or "?" as the function
// (Single: function or channels; Multi: any relay function).
bool memoryCellFaulty(const MemoryColumn& column, GridLayout layout, const std::string& text);

// Hex value of a text, 0 when it is empty, not hex or longer than 15 digits.
long long hexValue(const std::string& text);

} // namespace vorbix::views

#include "core/views/RecordCells.h"
#include "core/base/Hex.h"

#include "core/base/TextNumbers.h"
#include "core/model/ModelText.h"
#include "core/model/TDevice.h"
#include "core/model/TRxFnc.h"

namespace vorbix::views {

namespace {

std::string langText(const ViewContext& context, int n)
{
    return context.lang ? LangText(*context.lang, n) : std::string();
}

bool isFunctionMarker(const std::string& text)
{
    return text == "-" || text == "?";
}

// The models whose memory grid has the extra User 1 column, by layout.
bool memoryGridShowsUser1(const std::string& model, GridLayout layout)
{
    if (layout == GridLayout::Single) {
        return model == "KV8MOD-T";
    }
    return model::keepsUserTextInExtra(model);
}

} // namespace

GridLayout ViewContext::layout() const
{
    return functions && !functions->isSingleLayout() ? GridLayout::Multi : GridLayout::Single;
}

int ViewContext::relays() const
{
    return device ? device->Relays : 0;
}

int ViewContext::singleRelay() const
{
    return functions ? functions->SingleRelay : 0;
}

std::string serialText(const model::TData& record)
{
    return record.Prefix + record.Serial;
}

std::string timeCell(const model::TRxFnc& functions, const std::string& functionName, const std::string& timeText)
{
    const int timed = functions.TimeFunction;
    if (timed >= 0 && static_cast<std::size_t>(timed) < functions.FuncNames.size() &&
        functions.FuncNames[static_cast<std::size_t>(timed)] == functionName) {
        return timeText;
    }
    return "-";
}

long long hexValue(const std::string& text)
{
    std::uint64_t value = 0;
    return !text.empty() && hex::Parse(text, value, 15) ? static_cast<long long>(value) : 0;
}

std::string userCellText(const model::TData& record, int columnCode, const ViewContext& context)
{
    const model::TRxFnc* functions = context.functions;
    switch (columnCode) {
    case code::Position:
        return std::to_string(record.Position);
    case code::Serial:
        return serialText(record);
    case code::TxType:
        return record.TxType;
    case code::Button:
        return record.Button;
    case code::Function:
        return functions ? functions->FuncNameOf(record.Function) : std::string();
    case code::Channels:
        return model::TRxFnc::RelayListText(record.Channels);
    case code::Time:
        return functions ? timeCell(*functions, functions->FuncNameOf(record.Function), functions->TimeOf(record.Times))
                         : std::string();
    case code::ID:
        return std::to_string(record.ID);
    default:
        break;
    }
    if (columnCode >= code::User1 && columnCode < code::User1 + 4) {
        return record.User[static_cast<std::size_t>(columnCode - code::User1)];
    }
    if (!functions) {
        return {};
    }
    const bool relayFunction =
        columnCode > code::RelayFunctionBase && columnCode <= code::RelayFunctionBase + kMaxRelayColumns;
    const bool relayTime = columnCode > code::RelayTimeBase && columnCode <= code::RelayTimeBase + kMaxRelayColumns;
    if (!relayFunction && !relayTime) {
        return {};
    }
    const int relay = columnCode - (relayFunction ? code::RelayFunctionBase : code::RelayTimeBase);
    if (relay > context.relays()) {
        return {};
    }
    const std::string name = functions->RelayFuncNameOf(relay, record.Function);
    return relayFunction ? name : timeCell(*functions, name, functions->RelayTimeOf(relay, record.Times));
}

std::string userColumnTitle(int columnCode, const ViewContext& context)
{
    switch (columnCode) {
    case code::Position:
        return langText(context, lang::kColumnPosition);
    case code::Serial:
        return langText(context, lang::kColumnSerial);
    case code::TxType:
        return langText(context, lang::kColumnType);
    case code::Button:
        return langText(context, lang::kColumnButton);
    case code::Function:
        return langText(context, lang::kColumnFunction);
    case code::Channels:
        return langText(context, lang::kColumnChannels);
    case code::Time:
        return langText(context, lang::kColumnTime);
    case code::ID:
        return context.userTitles[0];
    default:
        break;
    }
    if (columnCode >= code::User1 && columnCode < code::User1 + 4) {
        return context.userTitles[static_cast<std::size_t>(columnCode - code::User1 + 1)];
    }
    if (columnCode > code::RelayFunctionBase && columnCode <= code::RelayFunctionBase + kMaxRelayColumns) {
        return langText(context, lang::kColumnRelayFunction) + std::to_string(columnCode - code::RelayFunctionBase);
    }
    if (columnCode > code::RelayTimeBase && columnCode <= code::RelayTimeBase + kMaxRelayColumns) {
        return langText(context, lang::kColumnRelayTime) + std::to_string(columnCode - code::RelayTimeBase);
    }
    return {};
}

bool sortsAsNumber(int columnCode)
{
    return columnCode == code::Position || columnCode == code::Serial || columnCode == code::Time ||
           columnCode == code::ID;
}

long long numericSortKey(const model::TData& record, int columnCode)
{
    switch (columnCode) {
    case code::Position:
        return record.Position;
    case code::Serial:
        return hexValue(record.Serial);
    case code::Time:
        return hexValue(record.Times);
    case code::ID:
        return record.ID;
    default:
        return 0;
    }
}

bool userCellFaulty(int columnCode, const std::string& text)
{
    if (columnCode == code::Button) {
        return text == "0";
    }
    const bool functionColumn =
        columnCode == code::Function || columnCode == code::Channels ||
        (columnCode > code::RelayFunctionBase && columnCode < code::RelayFunctionBase + kMaxRelayColumns);
    return functionColumn && isFunctionMarker(text);
}

std::vector<MemoryColumn> memoryColumns(const ViewContext& context)
{
    using Kind = MemoryColumn::Kind;
    std::vector<MemoryColumn> columns{{Kind::Position, 0}, {Kind::Serial, 0}, {Kind::Button, 0}};
    const GridLayout layout = context.layout();
    if (layout == GridLayout::Single) {
        columns.push_back({Kind::Function, 0});
        columns.push_back({Kind::Channels, 0});
        columns.push_back({Kind::Time, 0});
    } else {
        const int relays = context.relays() < kMaxRelayColumns ? context.relays() : kMaxRelayColumns;
        for (int relay = 1; relay <= relays; ++relay) {
            columns.push_back({Kind::RelayFunction, relay});
            columns.push_back({Kind::RelayTime, relay});
        }
    }
    if (context.device && memoryGridShowsUser1(context.device->Model, layout)) {
        columns.push_back({Kind::User1, 0});
    }
    return columns;
}

std::string memoryColumnTitle(const MemoryColumn& column, const ViewContext& context)
{
    using Kind = MemoryColumn::Kind;
    switch (column.kind) {
    case Kind::Position:
        return langText(context, lang::kColumnPosition);
    case Kind::Serial:
        return langText(context, lang::kColumnSerial);
    case Kind::Button:
        return langText(context, lang::kColumnButton);
    case Kind::Function:
        return langText(context, lang::kColumnFunction);
    case Kind::Channels:
        return langText(context, lang::kColumnChannels);
    case Kind::Time:
        return langText(context, lang::kColumnTime);
    case Kind::RelayFunction:
        return langText(context, lang::kColumnRelayFunction) + std::to_string(column.relay);
    case Kind::RelayTime:
        return langText(context, lang::kColumnRelayTime) + std::to_string(column.relay);
    case Kind::User1:
        return context.userTitles[1];
    }
    return {};
}

std::string memoryCellText(const model::TData& record, const MemoryColumn& column, const ViewContext& context)
{
    using Kind = MemoryColumn::Kind;
    switch (column.kind) {
    case Kind::Position:
        return userCellText(record, code::Position, context);
    case Kind::Serial:
        return userCellText(record, code::Serial, context);
    case Kind::Button:
        return record.Button;
    case Kind::Function:
        return userCellText(record, code::Function, context);
    case Kind::Channels:
        return userCellText(record, code::Channels, context);
    case Kind::Time:
        return userCellText(record, code::Time, context);
    case Kind::RelayFunction:
        return context.functions ? context.functions->RelayFuncNameOf(column.relay, record.Function) : std::string();
    case Kind::RelayTime:
        if (!context.functions) {
            return {};
        }
        return timeCell(*context.functions, context.functions->RelayFuncNameOf(column.relay, record.Function),
                        context.functions->RelayTimeOf(column.relay, record.Times));
    case Kind::User1:
        // What the receiver keeps of the text, not what the data file may hold beyond it.
        return context.device ? model::userTextKept(context.device->Model, record.User[0], record.Extra.size())
                              : record.User[0];
    }
    return {};
}

bool memoryCellFaulty(const MemoryColumn& column, GridLayout layout, const std::string& text)
{
    using Kind = MemoryColumn::Kind;
    if (column.kind == Kind::Button) {
        return text == "0";
    }
    const bool functionColumn = layout == GridLayout::Single
                                    ? column.kind == Kind::Function || column.kind == Kind::Channels
                                    : column.kind == Kind::RelayFunction;
    return functionColumn && isFunctionMarker(text);
}

} // namespace vorbix::views

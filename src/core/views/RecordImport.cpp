#include "core/views/RecordImport.h"

#include "core/base/TextNumbers.h"
#include "core/model/MemoryImage.h"
#include "core/model/TRxFnc.h"
#include "core/views/EditRules.h"
#include "core/views/RecordCommands.h"
#include "core/views/TEditState.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace vorbix::views {

namespace {

std::string trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string titleKey(const std::string& title)
{
    std::string key = trimmed(title);
    std::transform(key.begin(), key.end(), key.begin(),
                   [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
    return key;
}

// Every column code of the file view.
const std::vector<int>& importableCodes()
{
    static const std::vector<int> codes = [] {
        std::vector<int> all;
        for (int c = code::Position; c <= code::User1 + 3; ++c) {
            all.push_back(c);
        }
        for (int relay = 1; relay <= kMaxRelayColumns; ++relay) {
            all.push_back(code::RelayFunctionBase + relay);
            all.push_back(code::RelayTimeBase + relay);
        }
        return all;
    }();
    return codes;
}

// The column code of each of the file's columns, -1 for the ones the file view does not have.
std::vector<int> columnCodesOfTitles(const std::vector<std::string>& titles, const ImportSetup& setup,
                                     std::vector<std::string>& unknown)
{
    std::map<std::string, int> codeOfTitle;
    std::vector<const ViewContext*> contexts{&setup.context};
    for (const ViewContext& other : setup.otherTitles) {
        contexts.push_back(&other);
    }
    for (const ViewContext* context : contexts) {
        for (const int c : importableCodes()) {
            const std::string key = titleKey(userColumnTitle(c, *context));
            if (!key.empty()) {
                codeOfTitle.emplace(key, c);
            }
        }
    }
    std::vector<int> codes;
    std::vector<bool> taken(static_cast<std::size_t>(code::RelayTimeBase + kMaxRelayColumns + 1), false);
    for (const std::string& title : titles) {
        const auto found = codeOfTitle.find(titleKey(title));
        if (found == codeOfTitle.end() || taken[static_cast<std::size_t>(found->second)]) {
            codes.push_back(-1);
            unknown.push_back(title);
            continue;
        }
        taken[static_cast<std::size_t>(found->second)] = true;
        codes.push_back(found->second);
    }
    return codes;
}

bool hasControlCharacter(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

// Whether the file view shows both records alike. The dialog rewrites the hidden time of an untimed
// function; a row that changes nothing the user sees keeps the record as it is.
bool showsAlike(const model::TData& a, const model::TData& b, const ViewContext& context)
{
    return std::all_of(importableCodes().begin() + 1, importableCodes().end(),
                       [&](int columnCode) {
                           return userCellText(a, columnCode, context) == userCellText(b, columnCode, context);
                       }) &&
           a.Extra == b.Extra;
}

bool parseWhole(const std::string& text, int& value)
{
    if (text.empty() || text.size() > 9 || !std::all_of(text.begin(), text.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c)) != 0;
        })) {
        return false;
    }
    value = std::stoi(text);
    return true;
}

// The ticked channel boxes of a channel list as the file view shows it ("-" or "1, 3").
bool parseChannels(const std::string& text, int relays, std::array<bool, 8>& ticked)
{
    ticked.fill(false);
    if (text == "-") {
        return true;
    }
    std::string number;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const char c = i < text.size() ? text[i] : ',';
        if (std::isdigit(static_cast<unsigned char>(c))) {
            number += c;
        } else if (c == ',' || c == ' ' || c == ';') {
            if (!number.empty()) {
                int channel = 0;
                if (!parseWhole(number, channel) || channel < 1 || channel > std::min(relays, 8)) {
                    return false;
                }
                ticked[static_cast<std::size_t>(channel - 1)] = true;
                number.clear();
            }
        } else {
            return false;
        }
    }
    return true;
}

// One data row's cells by column code.
class RowCells
{
public:
    RowCells(const std::vector<int>& codes, const std::vector<std::string>& titles, const csv::Record& row)
        : m_codes(codes), m_titles(titles), m_row(row)
    {
    }

    // Whether the file has the column (the cell may be empty).
    bool has(int columnCode) const { return indexOf(columnCode) >= 0; }
    // The cell's text (trimmed unless `raw`); empty where the file has no such column or cell.
    std::string text(int columnCode, bool raw = false) const
    {
        const int index = indexOf(columnCode);
        if (index < 0 || static_cast<std::size_t>(index) >= m_row.fields.size()) {
            return {};
        }
        const std::string& cell = m_row.fields[static_cast<std::size_t>(index)];
        return raw ? cell : trimmed(cell);
    }
    const std::string& title(int columnCode) const { return m_titles[static_cast<std::size_t>(indexOf(columnCode))]; }

private:
    int indexOf(int columnCode) const
    {
        const auto found = std::find(m_codes.begin(), m_codes.end(), columnCode);
        return found == m_codes.end() ? -1 : static_cast<int>(found - m_codes.begin());
    }

    const std::vector<int>& m_codes;
    const std::vector<std::string>& m_titles;
    const csv::Record& m_row;
};

// A function name as the shown language has it: a name the dialog does not offer but another
// language's function file has takes the shown file's name at the same place in the list.
std::string shownFunctionName(const std::string& name, const std::vector<std::string>& offered,
                              const model::TRxFnc& shown, const ImportSetup& setup)
{
    if (name.empty() || std::find(offered.begin(), offered.end(), name) != offered.end()) {
        return name;
    }
    for (const ViewContext& other : setup.otherTitles) {
        if (!other.functions || other.functions == &shown) {
            continue;
        }
        const std::vector<std::string>& names = other.functions->FuncNames;
        const auto found = std::find(names.begin(), names.end(), name);
        const auto index = static_cast<std::size_t>(found - names.begin());
        if (found != names.end() && index < shown.FuncNames.size()) {
            return shown.FuncNames[index];
        }
    }
    return name;
}

// The record dialog filled from one row and accepted: false with the reason when a rule refuses
// it. `base` is the slot's record (cleared for a new one).
bool editFromRow(const RowCells& cells, const model::TData& base, const model::TDevice& device,
                 const ImportSetup& setup, const PopisType& lang, model::TData& result, std::string& reason)
{
    const model::TRxFnc& functions = *setup.context.functions;
    std::string message;
    TEditState state(functions, lang, [&message](const std::string& text) {
        if (message.empty()) {
            message = text;
        }
    });
    state.FormShow(base, setup.types, setup.typesLoaded, device);
    EditControls& c = state.c;

    for (int u = 0; u < 4; ++u) {
        if (cells.has(code::User1 + u)) {
            const std::string text = cells.text(code::User1 + u, true);
            if (hasControlCharacter(text)) {
                reason = cells.title(code::User1 + u) + ": " + LangText(lang, lang::kImportControlCharacter);
                return false;
            }
            c.user[static_cast<std::size_t>(u)] = text;
        }
    }
    if (cells.has(code::User1) && model::keepsUserTextInExtra(device.Model)) {
        const std::string& text = c.user[0];
        if (model::userTextKept(device.Model, text, base.Extra.size()) != text) {
            reason = cells.title(code::User1) + ": " +
                     LangFill(lang, lang::kImportTextTooLong,
                              {std::to_string(model::userTextCapacity(device.Model, base.Extra.size()))});
            return false;
        }
    }
    if (const std::string id = cells.text(code::ID); !id.empty()) {
        if (!parseWhole(id, c.id)) {
            reason = cells.title(code::ID) + ": " + LangFill(lang, lang::kImportNotWhole, {id});
            return false;
        }
    }
    if (const std::string serial = cells.text(code::Serial); !serial.empty()) {
        c.kod = serial;
    }
    if (const std::string type = cells.text(code::TxType); !type.empty() && type != c.typ) {
        if (type != "-" && typeIndexOf(state.types(), type) < 0) {
            reason = cells.title(code::TxType) + ": " + LangFill(lang, lang::kImportNotType, {type});
            return false;
        }
        c.typ = type;
        state.TypComboChange();
    }
    std::string button = cells.text(code::Button);
    if (!button.empty()) {
        std::transform(button.begin(), button.end(), button.begin(),
                       [](char ch) { return static_cast<char>(std::toupper(static_cast<unsigned char>(ch))); });
        if (button.size() != 1 || !std::isxdigit(static_cast<unsigned char>(button[0]))) {
            reason = cells.title(code::Button) + ": " + LangFill(lang, lang::kImportNotButton, {button});
            return false;
        }
        c.btn = button;
        state.BtnComboChange();
        // The dialog offers only the type's visible buttons.
        const model::TTx* type = state.shownType();
        for (std::size_t k = 0; type && type->HasButtons && k < 4; ++k) {
            if (c.btnTicked[k] && !c.btnVisible[k]) {
                reason = cells.title(code::Button) + ": " + LangFill(lang, lang::kImportNotTypeButton, {button});
                return false;
            }
        }
    }
    // The serial number decides the functions offered (an input device has its own).
    if (!state.ValidateSerial()) {
        reason = message;
        return false;
    }

    // One function and time (Single), or a function and time per relay (Multi).
    const auto takeFunction = [&](int functionCode, int timeCode) {
        if (const std::string name = shownFunctionName(cells.text(functionCode), c.funkceItems, functions, setup);
            !name.empty()) {
            if (std::find(c.funkceItems.begin(), c.funkceItems.end(), name) == c.funkceItems.end()) {
                reason = cells.title(functionCode) + ": " + LangFill(lang, lang::kImportNotFunction, {name});
                return false;
            }
            c.funkce = name;
            state.UpdateTimeControls();
        }
        if (const std::string time = cells.text(timeCode); !time.empty() && time != "-" && c.timeEnabled) {
            if (!splitTimeText(time, c.time)) {
                reason = cells.title(timeCode) + ": " + LangFill(lang, lang::kImportNotTime, {time});
                return false;
            }
        }
        return true;
    };
    if (!c.multi) {
        if (!takeFunction(code::Function, code::Time)) {
            return false;
        }
        if (const std::string channels = cells.text(code::Channels); !channels.empty()) {
            if (!parseChannels(channels, device.Relays, c.chTicked)) {
                reason = cells.title(code::Channels) + ": " + LangFill(lang, lang::kImportNoChannel, {channels});
                return false;
            }
        }
    } else {
        const int relays = static_cast<int>(c.releItems.size());
        for (int relay = 1; relay <= kMaxRelayColumns; ++relay) {
            const int functionCode = code::RelayFunctionBase + relay;
            if (relay > relays) {
                if (!cells.text(functionCode).empty()) {
                    reason = cells.title(functionCode) + ": " +
                             LangFill(lang, lang::kImportNoRelay, {std::to_string(relay)});
                    return false;
                }
                continue;
            }
            if (!takeFunction(functionCode, code::RelayTimeBase + relay)) {
                return false;
            }
            if (relay < relays) {
                state.ReleComboChange(relay);
            }
        }
    }
    if (!state.Accept(result)) {
        reason = message;
        return false;
    }
    // A function the record cannot keep as given (one function code stands for every relay of a
    // Multi-layout record) is refused rather than changed behind the user's back.
    for (int columnCode = code::Function; columnCode <= code::RelayFunctionBase + kMaxRelayColumns; ++columnCode) {
        const bool functionColumn =
            columnCode == code::Function ||
            (columnCode > code::RelayFunctionBase && columnCode <= code::RelayFunctionBase + kMaxRelayColumns);
        const std::string given = functionColumn
                                      ? shownFunctionName(cells.text(columnCode), functions.FuncNames, functions, setup)
                                      : std::string();
        if (given.empty()) {
            continue;
        }
        const std::string kept = userCellText(result, columnCode, setup.context);
        if (kept != given) {
            reason = cells.title(columnCode) + ": " +
                     LangFill(lang, columnCode == code::Function ? lang::kImportWouldKeep : lang::kImportWouldKeepAll,
                              {kept});
            return false;
        }
    }
    if (!button.empty() && result.Button != button) {
        reason = cells.title(code::Button) + ": " + LangFill(lang, lang::kImportNotTypeButton, {button});
        return false;
    }
    return true;
}

} // namespace

bool checkImport(const csv::Content& file, const model::TDevice& device, const model::RecordTable& records,
                 const ImportSetup& setup, const PopisType& lang, ImportReport& report, std::string& error)
{
    report = ImportReport{};
    report.encoding = file.encoding;
    report.device = device;
    report.records = records;
    if (!setup.context.functions || file.records.empty()) {
        error = LangText(lang, lang::kImportNoTitleRow);
        return false;
    }
    const std::vector<std::string>& titles = file.records.front().fields;
    const std::vector<int> codes = columnCodesOfTitles(titles, setup, report.unknownColumns);
    if (std::all_of(codes.begin(), codes.end(), [](int c) { return c < 0; })) {
        error = LangText(lang, lang::kImportNoKnownColumn);
        return false;
    }
    const int slots = std::min(device.RecordCount, static_cast<int>(records.size()) - 1);
    std::map<int, int> lineOfSlot; // slots the rows so far changed or filled
    for (std::size_t r = 1; r < file.records.size(); ++r) {
        const csv::Record& row = file.records[r];
        const RowCells cells(codes, titles, row);
        const auto refuse = [&](std::string reason) { report.refused.push_back({row.line, std::move(reason)}); };
        if (row.fields.size() > titles.size()) {
            refuse(LangFill(lang, lang::kImportTooManyFields,
                            {std::to_string(row.fields.size()), std::to_string(titles.size())}));
            continue;
        }
        int slot = 0;
        if (const std::string named = cells.text(code::Position); !named.empty()) {
            if (!parseWhole(named, slot) || slot < 1 || slot > slots) {
                refuse(cells.title(code::Position) + ": " +
                       LangFill(lang, lang::kImportNotSlot, {named, std::to_string(slots)}));
                continue;
            }
            if (const auto earlier = lineOfSlot.find(slot); earlier != lineOfSlot.end()) {
                refuse(LangFill(lang, lang::kImportSlotTaken, {std::to_string(slot), std::to_string(earlier->second)}));
                continue;
            }
            // A slot that holds no record is no record to change: the row adds one.
            if (records[static_cast<std::size_t>(slot)].Empty) {
                slot = 0;
            }
        }
        const bool adding = slot == 0;
        if (adding && cells.text(code::Serial).empty()) {
            refuse(LangText(lang, lang::kImportNeedsSerial));
            continue;
        }
        // What an add changes besides its slot, to put back when the row is refused.
        const int usedCount = report.device.UsedCount;
        model::RecordTable::value_type nextSlot;
        if (adding) {
            std::string message;
            if (!prepareAddSlot(report.device, report.records, slot, lang,
                                [&message](const std::string& text) { message = text; })) {
                // The row's own faults say more than the lack of a slot.
                model::TData blank = records.size() > 1 ? records[1] : model::TData{};
                model::ClearRecord(report.device, blank);
                model::TData unused;
                std::string reason;
                refuse(editFromRow(cells, blank, report.device, setup, lang, unused, reason) ? message : reason);
                continue;
            }
            if (static_cast<std::size_t>(slot) + 1 < report.records.size()) {
                nextSlot = report.records[static_cast<std::size_t>(slot) + 1];
            }
        }
        model::TData& target = report.records[static_cast<std::size_t>(slot)];
        model::TData result;
        std::string reason;
        bool accepted = editFromRow(cells, target, report.device, setup, lang, result, reason);
        if (accepted && adding && !finishAdd(result)) {
            accepted = false;
            reason = LangText(lang, lang::kImportNeedsSerial);
        }
        if (!accepted) {
            if (adding) {
                target = records[static_cast<std::size_t>(slot)];
                report.device.UsedCount = usedCount;
                if (static_cast<std::size_t>(slot) + 1 < report.records.size()) {
                    report.records[static_cast<std::size_t>(slot) + 1] = nextSlot;
                }
            }
            refuse(reason);
            continue;
        }
        result.Position = slot;
        lineOfSlot[slot] = row.line;
        if (!adding && showsAlike(result, target, setup.context)) {
            ++report.unchanged;
            continue;
        }
        target = result;
        report.rows.push_back({row.line, slot, adding});
        ++(adding ? report.toAdd : report.toChange);
    }
    return true;
}

RecordChange applyImport(model::TDevice& device, model::RecordTable& records, const ImportReport& report)
{
    RecordChange change = changedRecords(records, report.records);
    device.UsedCount = report.device.UsedCount;
    putRecords(records, change.after);
    return change;
}

} // namespace vorbix::views

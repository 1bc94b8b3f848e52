#pragma once

#include "core/base/LanguageTable.h"
#include "core/model/RxDefinition.h"
#include "core/model/TData.h"
#include "core/model/TDevice.h"
#include "core/model/TRxFnc.h"
#include "core/views/RecordCells.h"

#include <string>
#include <vector>

namespace vorbix::test {

// Language texts that name themselves: entry N reads "T" + N.
inline PopisType viewTexts()
{
    PopisType table;
    for (int n = 0; n < 310; ++n) {
        std::string text(1, 'T');
        text += std::to_string(n);
        table.push_back(text);
    }
    return table;
}

// A Single-layout function file: Timed (code 05) is the timed function.
inline model::TRxFnc singleFunctions()
{
    model::TRxFnc f;
    f.ModelName = "KV8MOD-T";
    f.SingleRelay = 0;
    f.FuncNames = {"Pulse", "Toggle", "On", "Off", "Timed"};
    f.TimeFunction = 4;
    f.DecoderCodes = {"01", "02", "03", "04", "05"};
    f.DecoderNames = {"Pulse", "Toggle", "On", "Off", "Timed"};
    return f;
}

// A Multi-layout function file with four relay entries; Timed (03) is the timed function.
inline model::TRxFnc multiFunctions()
{
    model::TRxFnc f;
    f.ModelName = "KV4MUL-M";
    f.SingleRelay = 4;
    f.FuncNames = {"Pulse", "Toggle", "Timed"};
    f.TimeFunction = 2;
    f.DecoderCodes = {"01", "02", "03"};
    f.DecoderNames = {"Pulse", "Toggle", "Timed"};
    return f;
}

// A shipped model as "Rx.def" describes it (layouts included), with `relays` relays.
inline model::TDevice shippedDevice(const std::string& modelName, int relays)
{
    model::TDevice d;
    d.Model = modelName;
    static_cast<void>(model::FindModel(VORBIX_DATA_DIR, d, viewTexts(), {}));
    d.Relays = relays;
    return d;
}

inline model::TDevice device(const std::string& modelName, int relays, int recordCount)
{
    model::TDevice d;
    d.Model = modelName;
    d.Relays = relays;
    d.RecordCount = recordCount;
    d.EmptyRecord = std::string(32, '0');
    return d;
}

// A used record of the Single layout.
inline model::TData record(int slot, const std::string& serial, const std::string& button = "8",
                           const std::string& function = "01", const std::string& channels = "01",
                           const std::string& times = "0005")
{
    model::TData r;
    r.Position = slot;
    r.Empty = false;
    r.Serial = serial;
    r.Button = button;
    r.Function = function;
    r.Channels = channels;
    r.Times = times;
    r.Extra = std::string(18, '0');
    return r;
}

// A record table of `count` empty slots with the given records put in their slots.
inline model::RecordTable table(int count, const std::vector<model::TData>& used)
{
    model::RecordTable records(static_cast<std::size_t>(count) + 1);
    for (int k = 1; k <= count; ++k) {
        records[static_cast<std::size_t>(k)].Position = k;
        records[static_cast<std::size_t>(k)].Serial = "00000";
    }
    for (const model::TData& r : used) {
        records[static_cast<std::size_t>(r.Position)] = r;
    }
    return records;
}

inline views::ViewContext context(const model::TRxFnc& functions, const model::TDevice& d, const PopisType& lang)
{
    views::ViewContext c;
    c.functions = &functions;
    c.device = &d;
    c.lang = &lang;
    c.userTitles = {"ID", "Name", "Place", "Note", "Phone"};
    return c;
}

} // namespace vorbix::test

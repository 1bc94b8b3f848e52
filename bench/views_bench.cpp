// Fill and sort of the record views over 5000 used records, as a rebuild after every edit does.
#include "core/app/IniFile.h"
#include "core/model/RxDefinition.h"
#include "core/model/TRxFnc.h"
#include "core/views/ColumnConfig.h"
#include "core/views/MemoryView.h"
#include "core/views/UserView.h"

#include <benchmark/benchmark.h>

#include <stdexcept>

using namespace vorbix;

namespace {

const std::string DataFolder = VORBIX_DATA_DIR;
constexpr int RecordCount = 5000;

// A shipped model with 5000 used records of varied serials, buttons, functions, times and texts.
struct Filled
{
    model::TDevice device;
    model::TRxFnc functions;
    model::RecordTable records;
    PopisType lang = PopisType(310, "Title");
    views::ViewContext context;
    views::ColumnCodes codes;

    explicit Filled(const std::string& modelName)
    {
        if (!model::LoadDefinition(DataFolder, modelName, device, lang, {})) {
            throw std::runtime_error("model not in Rx.def");
        }
        device.Model = modelName;
        device.RecordCount = RecordCount;
        functions.Folder = DataFolder;
        functions.FileName = "RxFncUS.def";
        if (!functions.LoadFunctions(modelName)) {
            throw std::runtime_error("RxFncUS.def not readable");
        }
        records.resize(RecordCount + 1);
        static const char hex[] = "0123456789ABCDEF";
        for (int k = 1; k <= RecordCount; ++k) {
            model::TData& r = records[static_cast<std::size_t>(k)];
            const unsigned v = static_cast<unsigned>(k) * 2654435761U;
            r.Position = k;
            r.Empty = false;
            r.Serial = {hex[(v >> 4) & 15], hex[(v >> 8) & 15], hex[(v >> 12) & 15], hex[(v >> 16) & 15],
                        hex[(v >> 20) & 15]};
            r.Button = std::string(1, hex[v % 16]);
            r.Function = functions.DecoderCodes[v % functions.DecoderCodes.size()];
            r.Channels = std::string(1, hex[(v >> 24) & 15]) + hex[(v >> 28) & 15];
            r.Times = functions.isSingleLayout() ? "00" + std::string(1, hex[v % 7]) + "A" : "000A0014001E0028";
            r.ID = static_cast<int>(v % 997);
            r.User = {"Name " + std::to_string(v % 1009), "Place " + std::to_string(v % 13), "", "Note"};
        }
        context.functions = &functions;
        context.device = &device;
        context.lang = &lang;
        context.userTitles = {"ID", "User 1", "User 2", "User 3", "User 4"};
        views::ColumnConfig config;
        views::LoadColumnConfig(app::IniFile(), config);
        codes = views::columnCodesFor(config, context.layout(), functions.SingleRelay);
    }
};

void userView(benchmark::State& state, const std::string& modelName)
{
    const Filled filled(modelName);
    const int sortColumn = static_cast<int>(state.range(0));
    state.SetLabel("sort code " + std::to_string(filled.codes.codeAt(sortColumn)));
    for (auto _ : state) {
        views::UserView view;
        view.build(filled.records, filled.context, filled.codes, sortColumn, state.range(1) != 0);
        benchmark::DoNotOptimize(view.slotOfRow(0));
    }
}

void memoryView(benchmark::State& state, const std::string& modelName)
{
    const Filled filled(modelName);
    for (auto _ : state) {
        views::MemoryView view;
        view.build(filled.records, filled.context);
        benchmark::DoNotOptimize(view.slotOfRow(0));
    }
}

void BM_UserViewSingle(benchmark::State& state)
{
    userView(state, "KV8MOD-T");
}
void BM_UserViewMulti(benchmark::State& state)
{
    userView(state, "KV4MUL-M");
}
void BM_MemoryViewSingle(benchmark::State& state)
{
    memoryView(state, "KV8MOD-T");
}
void BM_MemoryViewMulti(benchmark::State& state)
{
    memoryView(state, "KV4MUL-M");
}

BENCHMARK(BM_UserViewSingle)
    ->ArgsProduct({benchmark::CreateDenseRange(0, 11, 1), {1, 0}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UserViewMulti)->ArgsProduct({benchmark::CreateDenseRange(0, 16, 1), {1}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemoryViewSingle)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemoryViewMulti)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

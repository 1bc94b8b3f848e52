// Bulk changes at the largest memory: 4096 CSV rows read and checked against an empty data set of
// 4096 slots (every row adds a record, so every row takes a free slot), and two 4096-record
// memories compared by transmitter.
#include "core/app/Language.h"
#include "core/model/MemoryImage.h"
#include "core/model/RxDefinition.h"
#include "core/model/TRxFnc.h"
#include "core/model/TTx.h"
#include "core/text/CsvReader.h"
#include "core/views/RecordDiff.h"
#include "core/views/RecordImport.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <stdexcept>

using namespace vorbix;

namespace {

constexpr int kSlots = 4096;

struct DataSet
{
    model::TDevice device;
    model::TRxFnc functions;
    model::RecordTable records;
    PopisType lang;
    views::ImportSetup setup;

    DataSet()
    {
        const std::string modelName = "KV8MOD-T";
        std::string error;
        if (!app::LoadLanguage(VORBIX_DATA_DIR, "US", lang, error)) {
            throw std::runtime_error(error);
        }
        if (!model::LoadDefinition(VORBIX_DATA_DIR, modelName, device, lang, {})) {
            throw std::runtime_error("model not in Rx.def");
        }
        device.Model = modelName;
        device.RecordCount = kSlots;
        functions.Folder = VORBIX_DATA_DIR;
        functions.FileName = "RxFncUS.def";
        if (!functions.LoadFunctions(modelName, &device)) {
            throw std::runtime_error("RxFncUS.def not readable");
        }
        model::NewRecords(device, records);
        device.UsedCount = 0;
        setup.context.functions = &functions;
        setup.context.device = &device;
        setup.context.lang = &lang;
        setup.context.userTitles = {"ID", "User 1", "User 2", "User 3", "User 4"};
        setup.typesLoaded = model::LoadTxTypes(VORBIX_DATA_DIR, setup.types, lang, {});
    }
};

DataSet& dataSet()
{
    static DataSet d;
    return d;
}

std::string serialOf(int k)
{
    static const char hex[] = "0123456789ABCDEF";
    const unsigned v = static_cast<unsigned>(k) * 2654435761U;
    return {hex[(v >> 4) & 15], hex[(v >> 8) & 15], hex[(v >> 12) & 15], hex[(v >> 16) & 15], hex[(v >> 20) & 15]};
}

std::string importFile()
{
    std::string file = "Serial number,Button,Function,Channels,Time,ID,User 1,User 2\r\n";
    for (int k = 1; k <= kSlots; ++k) {
        const bool timed = k % 5 == 0;
        file += "x0" + serialOf(k) + "," + "8421"[k % 4] + "," + (timed ? "Timed" : "Toggle") + "," +
                std::to_string(1 + k % 8) + "," + (timed ? "\"0:05,500\"" : "-") + "," + std::to_string(k) + ",Flat " +
                std::to_string(k % 97) + ",\"Block A, floor " + std::to_string(k % 12) + "\"\r\n";
    }
    return file;
}

void BM_ImportAndCheck4096Rows(benchmark::State& state)
{
    DataSet& d = dataSet();
    const std::string file = importFile();
    for (auto _ : state) {
        csv::Content content;
        std::string error;
        views::ImportReport report;
        if (!csv::parse(file, content, error) ||
            !views::checkImport(content, d.device, d.records, d.setup, d.lang, report, error)) {
            state.SkipWithError(error.c_str());
            break;
        }
        if (report.toAdd != kSlots) {
            state.SkipWithError(report.refused.empty() ? "rows missing" : report.refused.front().reason.c_str());
            break;
        }
        benchmark::DoNotOptimize(report);
    }
}
BENCHMARK(BM_ImportAndCheck4096Rows)->Unit(benchmark::kMillisecond);

void BM_Diff4096Records(benchmark::State& state)
{
    DataSet& d = dataSet();
    model::RecordTable before = d.records;
    for (int k = 1; k <= kSlots; ++k) {
        model::TData& r = before[static_cast<std::size_t>(k)];
        r.Empty = false;
        r.Serial = serialOf(k);
        r.Button = std::string(1, "8421"[k % 4]);
        r.Function = d.functions.DecoderCodes[static_cast<std::size_t>(k) % d.functions.DecoderCodes.size()];
        r.ID = k;
        r.User = {"Flat " + std::to_string(k % 97), "Block A", "", ""};
    }
    // The other memory: one record in 64 deleted (the later ones move up), one in 16 renamed, new
    // records at the end.
    model::RecordTable after(1);
    for (int k = 1; k <= kSlots; ++k) {
        if (k % 64 != 0) {
            after.push_back(before[static_cast<std::size_t>(k)]);
            if (k % 16 == 0) {
                after.back().User[0] += " new";
            }
        }
    }
    while (after.size() <= static_cast<std::size_t>(kSlots)) {
        model::TData added = before[1];
        added.Serial = serialOf(static_cast<int>(after.size()) + kSlots);
        after.push_back(added);
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(views::diffRecords(before, after, d.setup.context, views::DiffFields::All));
    }
}
BENCHMARK(BM_Diff4096Records)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

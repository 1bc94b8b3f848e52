// Decode, encode, save and open of the largest shipped model's full memory.
#include "core/model/DataFile.h"
#include "core/model/MemoryImage.h"
#include "core/model/RxDefinition.h"
#include "core/model/TRxFnc.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

using namespace vorbix::model;

namespace {

const std::string DataFolder = VORBIX_DATA_DIR;

// The model of "Rx.def" with the most records, its memory filled with distinct used records.
struct LargestModel
{
    TDevice device;
    std::string image;

    LargestModel()
    {
        std::vector<TRxArray> models;
        std::vector<std::string> descriptions;
        const vorbix::PopisType lang;
        if (!LoadModelList(DataFolder + "/Rx.def", models, descriptions, lang, {})) {
            throw std::runtime_error("Rx.def not found");
        }
        TRxFnc functions;
        functions.Folder = DataFolder;
        functions.FileName = "RxFncUS.def";
        for (const TRxArray& entry : models) {
            TDevice candidate;
            if (LoadDefinition(DataFolder, entry.Name, candidate, lang, {}) && functions.LoadFunctions(entry.Name) &&
                functions.RecordCount > device.RecordCount) {
                candidate.Model = entry.Name;
                candidate.RecordCount = functions.RecordCount;
                device = candidate;
            }
        }
        const std::size_t length = device.EmptyRecord.size();
        for (int k = 1; k <= device.RecordCount; ++k) {
            std::string record = device.EmptyRecord;
            for (std::size_t i = 0; i < length; ++i) {
                record[i] = "123456789ABCDE"[(static_cast<std::size_t>(k) * 7 + i) % 14];
            }
            image += record;
        }
    }
};

const LargestModel& largest()
{
    static const LargestModel model;
    return model;
}

void BM_DecodeMemory(benchmark::State& state)
{
    TDevice device = largest().device;
    RecordTable records;
    for (auto _ : state) {
        if (!DecodeMemory(device, largest().image, records)) {
            state.SkipWithError("decode failed");
        }
        benchmark::DoNotOptimize(records.data());
    }
    state.counters["records"] = device.RecordCount;
}

void BM_EncodeMemory(benchmark::State& state)
{
    TDevice device = largest().device;
    RecordTable records;
    (void)DecodeMemory(device, largest().image, records);
    std::string upload;
    for (auto _ : state) {
        if (!EncodeMemory(device, records, upload)) {
            state.SkipWithError("encode failed");
        }
        benchmark::DoNotOptimize(upload.data());
    }
    state.counters["records"] = device.RecordCount;
}

// A temporary folder for the written files, removed at exit.
struct BenchFolder
{
    std::string path;
    BenchFolder()
    {
        path = (std::filesystem::temp_directory_path() / "vorbix-bench-XXXXXX").string();
        if (::mkdtemp(path.data()) == nullptr) {
            throw std::runtime_error("no temporary folder");
        }
    }
    ~BenchFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
};

std::string benchFolder()
{
    static const BenchFolder folder;
    return folder.path;
}

RecordTable annotated(TDevice& device)
{
    RecordTable records;
    (void)DecodeMemory(device, largest().image, records);
    for (std::size_t k = 1; k < records.size(); ++k) {
        records[k].ID = static_cast<int>(k);
        records[k].User = {"Gate " + std::to_string(k), "North entrance", "Night shift", ""};
        records[k].TxType = "Remote 4 buttons";
        records[k].Prefix = "10";
    }
    return records;
}

void BM_SaveDataFile(benchmark::State& state)
{
    TDevice device = largest().device;
    RecordTable records = annotated(device);
    const std::string path = benchFolder() + "/save.rxd";
    const vorbix::PopisType lang;
    std::string upload;
    for (auto _ : state) {
        if (!SaveDataFile(path, device, records, upload, lang, {})) {
            state.SkipWithError("save failed");
        }
    }
}

void BM_OpenDataFile(benchmark::State& state)
{
    TDevice device = largest().device;
    RecordTable records = annotated(device);
    const std::string path = benchFolder() + "/open.rxd";
    const vorbix::PopisType lang;
    std::string upload;
    if (!SaveDataFile(path, device, records, upload, lang, {})) {
        state.SkipWithError("save failed");
        return;
    }
    for (auto _ : state) {
        LoadedDataFile loaded;
        if (!ReadDataFile(path, DataFolder, nullptr, loaded, lang, {})) {
            state.SkipWithError("open failed");
        }
        benchmark::DoNotOptimize(loaded.Records.data());
    }
}

} // namespace

BENCHMARK(BM_DecodeMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveDataFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenDataFile)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

// The history list at its largest setting, 99999 entries: load, sort by each column, AddEvent with
// its file rewrite, and the grid's texts as the page fills them.
#include "core/lists/ListViews.h"
#include "core/lists/THistory.h"
#include "core/text/TextFile.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

using namespace vorbix;

namespace {

constexpr int Entries = 99999;

// A program folder with a full "History.dat" of varied transmitters, codes, times and texts.
struct Folder
{
    std::string path;

    Folder()
    {
        char pattern[] = "/tmp/vorbix-lists-bench-XXXXXX";
        path = mkdtemp(pattern);
        lists::THistory history(file());
        for (int i = 0; i < Entries; ++i) {
            lists::THistoryRec rec;
            rec.TxCode = "X2" + std::to_string(10000 + i * 7919 % 89999);
            rec.Code = std::string(1, "123456789ABCDEF"[i % 15]);
            rec.LowBatt = i % 11 == 0;
            rec.Time = {2009 + i % 5, 1 + i % 12, 1 + i % 28, i % 24, i % 60, (i * 7) % 60};
            rec.ID = i % 500;
            rec.User = {"Room " + std::to_string(i % 300), i % 3 ? "Gate" : "Door", "", "Main"};
            history.Records.push_back(rec);
        }
        std::string error;
        if (!history.SaveHistory(error)) {
            std::abort();
        }
    }
    ~Folder() { std::filesystem::remove_all(path); }
    std::string file() const { return text::joinPath(path, "History.dat"); }
};

Folder& folder()
{
    static Folder f;
    return f;
}

void BM_LoadHistory(benchmark::State& state)
{
    lists::THistory history(folder().file());
    for (auto _ : state) {
        benchmark::DoNotOptimize(history.LoadHistory());
    }
    state.counters["entries"] = static_cast<double>(history.Records.size());
}
BENCHMARK(BM_LoadHistory)->Unit(benchmark::kMillisecond);

void BM_SortHistory(benchmark::State& state)
{
    lists::THistory history(folder().file());
    (void)history.LoadHistory();
    const auto field = static_cast<lists::HistoryField>(state.range(0));
    bool ascending = true;
    for (auto _ : state) {
        // Each round turns the order round, so every sort has work to do.
        benchmark::DoNotOptimize(history.SortHistory(field, ascending, 500));
        ascending = !ascending;
    }
}
BENCHMARK(BM_SortHistory)->DenseRange(0, 8)->Unit(benchmark::kMillisecond);

void BM_AddEventWithRewrite(benchmark::State& state)
{
    lists::THistory history(folder().file());
    (void)history.LoadHistory();
    const model::RecordTable records(2000);
    std::string error;
    for (auto _ : state) {
        if (!history.AddEvent("X212AB4", "2", false, {2010, 1, 1, 8, 0, 0}, Entries, records, error)) {
            state.SkipWithError(error.c_str());
        }
    }
}
BENCHMARK(BM_AddEventWithRewrite)->Unit(benchmark::kMillisecond);

void BM_FillHistoryGrid(benchmark::State& state)
{
    lists::THistory history(folder().file());
    (void)history.LoadHistory();
    const PopisType lang(310, "Title");
    const std::array<std::string, 5> titles{"ID", "User 1", "User 2", "User 3", "User 4"};
    for (auto _ : state) {
        // Every cell's text once, as a grid that holds its texts would be filled.
        const lists::HistoryView view(history.Records, lang, titles, {true, true, true, true, true});
        std::size_t characters = 0;
        for (int row = 0; row < view.rowCount(); ++row) {
            for (int column = 0; column < view.columnCount(); ++column) {
                characters += view.cellText(row, column).size();
            }
        }
        benchmark::DoNotOptimize(characters);
    }
}
BENCHMARK(BM_FillHistoryGrid)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

// Spreadsheet export and PDF printout at the largest sizes: the file view of 5000 records and the
// history at 99999 entries, from the grid to the file on disk (table, cells, atomic write).
#include "core/app/IniFile.h"
#include "core/export/CsvExport.h"
#include "core/export/PageTables.h"
#include "core/export/SheetExport.h"
#include "core/export/TFreeExcelS.h"
#include "core/export/XlsxExport.h"
#include "core/lists/ListViews.h"
#include "core/lists/THistory.h"
#include "core/model/RxDefinition.h"
#include "core/model/TRxFnc.h"
#include "core/pdf/PdfPrintout.h"
#include "core/text/AtomicFile.h"
#include "core/views/ColumnConfig.h"
#include "core/views/UserView.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

using namespace vorbix;

namespace {

const std::string DataFolder = VORBIX_DATA_DIR;
constexpr int RecordCount = 5000;
constexpr int HistoryEntries = 99999;

struct TempDir
{
    std::string path;
    TempDir()
    {
        char pattern[] = "/tmp/vorbix-export-bench-XXXXXX";
        path = mkdtemp(pattern);
    }
    ~TempDir() { std::filesystem::remove_all(path); }
};

TempDir& tempDir()
{
    static TempDir dir;
    return dir;
}

// The Single-layout file view over 5000 used records of varied fields and texts.
struct FileView
{
    model::TDevice device;
    model::TRxFnc functions;
    model::RecordTable records;
    PopisType lang = PopisType(310, "Title");
    views::ViewContext context;
    views::UserView view;

    FileView()
    {
        const std::string modelName = "KV8MOD-T";
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
            r.Times = "00" + std::string(1, hex[v % 7]) + "A";
            r.ID = static_cast<int>(v % 997);
            r.User = {"Name " + std::to_string(v % 1009), "Place; " + std::to_string(v % 13), "", "Note"};
        }
        context.functions = &functions;
        context.device = &device;
        context.lang = &lang;
        context.userTitles = {"ID", "User 1", "User 2", "User 3", "User 4"};
        views::ColumnConfig config;
        views::LoadColumnConfig(app::IniFile(), config);
        view.build(records, context, views::columnCodesFor(config, context.layout(), functions.SingleRelay), 0, true);
    }
};

FileView& fileView()
{
    static FileView f;
    return f;
}

struct History
{
    std::vector<lists::THistoryRec> records;
    PopisType lang = PopisType(310, "Title");

    History()
    {
        for (int i = 0; i < HistoryEntries; ++i) {
            lists::THistoryRec rec;
            rec.TxCode = "X2" + std::to_string(10000 + i * 7919 % 89999);
            rec.Code = std::string(1, "123456789ABCDEF"[i % 15]);
            rec.LowBatt = i % 11 == 0;
            rec.Time = {2009 + i % 5, 1 + i % 12, 1 + i % 28, i % 24, i % 60, (i * 7) % 60};
            rec.ID = i % 500;
            rec.User = {"Room " + std::to_string(i % 300), i % 3 ? "Gate" : "Door", "", "Main"};
            records.push_back(rec);
        }
    }
};

History& history()
{
    static History h;
    return h;
}

void BM_ExportFileView(benchmark::State& state)
{
    const std::string target = tempDir().path + "/view.xls";
    for (auto _ : state) {
        std::string error;
        if (!exports::exportSheet(exports::userTable(fileView().view), target, error)) {
            state.SkipWithError(error.c_str());
        }
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(target));
}
BENCHMARK(BM_ExportFileView)->Unit(benchmark::kMillisecond);

void BM_ExportHistory(benchmark::State& state)
{
    const std::string target = tempDir().path + "/history.xls";
    const lists::HistoryView view(history().records, history().lang, {"ID", "U1", "U2", "U3", "U4"},
                                  {true, true, true, true, true});
    for (auto _ : state) {
        std::string error;
        if (!exports::exportSheet(exports::historyTable(view, history().records), target, error)) {
            state.SkipWithError(error.c_str());
        }
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(target));
}
BENCHMARK(BM_ExportHistory)->Unit(benchmark::kMillisecond);

// The same history as a workbook and as UTF-8 CSV.
void BM_ExportHistoryXlsx(benchmark::State& state)
{
    const std::string target = tempDir().path + "/history.xlsx";
    const lists::HistoryView view(history().records, history().lang, {"ID", "U1", "U2", "U3", "U4"},
                                  {true, true, true, true, true});
    for (auto _ : state) {
        std::string error;
        if (!exports::exportXlsx(exports::historyTable(view, history().records), target, error)) {
            state.SkipWithError(error.c_str());
        }
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(target));
}
BENCHMARK(BM_ExportHistoryXlsx)->Unit(benchmark::kMillisecond);

void BM_ExportHistoryCsv(benchmark::State& state)
{
    const std::string target = tempDir().path + "/history.csv";
    const lists::HistoryView view(history().records, history().lang, {"ID", "U1", "U2", "U3", "U4"},
                                  {true, true, true, true, true});
    for (auto _ : state) {
        std::string error;
        if (!exports::exportCsv(exports::historyTable(view, history().records), target, error)) {
            state.SkipWithError(error.c_str());
        }
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(target));
}
BENCHMARK(BM_ExportHistoryCsv)->Unit(benchmark::kMillisecond);

// The parts of the history export: the table from the grid, and the cell records in memory.
void BM_HistoryTable(benchmark::State& state)
{
    const lists::HistoryView view(history().records, history().lang, {"ID", "U1", "U2", "U3", "U4"},
                                  {true, true, true, true, true});
    for (auto _ : state) {
        benchmark::DoNotOptimize(exports::historyTable(view, history().records));
    }
}
BENCHMARK(BM_HistoryTable)->Unit(benchmark::kMillisecond);

void BM_HistoryCells(benchmark::State& state)
{
    const lists::HistoryView view(history().records, history().lang, {"ID", "U1", "U2", "U3", "U4"},
                                  {true, true, true, true, true});
    const exports::SheetTable table = exports::historyTable(view, history().records);
    for (auto _ : state) {
        exports::TFreeExcelS writer("unused.xls");
        std::string error;
        benchmark::DoNotOptimize(exports::writeSheet(table, writer, error));
    }
}
BENCHMARK(BM_HistoryCells)->Unit(benchmark::kMillisecond);

// The last part: the 45 MB file written whole, flushed to disk and renamed.
void BM_HistoryFileWrite(benchmark::State& state)
{
    const lists::HistoryView view(history().records, history().lang, {"ID", "U1", "U2", "U3", "U4"},
                                  {true, true, true, true, true});
    exports::TFreeExcelS writer(tempDir().path + "/history-write.xls");
    std::string error;
    if (!exports::writeSheet(exports::historyTable(view, history().records), writer, error)) {
        state.SkipWithError(error.c_str());
    }
    for (auto _ : state) {
        if (!writer.Finish(error)) {
            state.SkipWithError(error.c_str());
        }
    }
}
BENCHMARK(BM_HistoryFileWrite)->Unit(benchmark::kMillisecond);

void BM_PdfFileView(benchmark::State& state)
{
    const std::string target = tempDir().path + "/view.pdf";
    std::size_t pages = 0;
    for (auto _ : state) {
        const pdf::PdfPrintout printout =
            pdf::printPdf(exports::userTable(fileView().view), pdf::PdfPageSize{}, "VORBIX");
        std::string error;
        if (!printout.ok || !text::writeFileAtomically(target, printout.document, error)) {
            state.SkipWithError(printout.ok ? error.c_str() : printout.error.c_str());
        }
        pages = printout.layout.pages.size();
    }
    state.counters["pages"] = static_cast<double>(pages);
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(target));
}
BENCHMARK(BM_PdfFileView)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

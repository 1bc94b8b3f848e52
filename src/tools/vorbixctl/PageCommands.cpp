#include "tools/vorbixctl/PageCommands.h"

#include "core/export/PageTables.h"
#include "core/export/SheetExport.h"
#include "core/export/SheetFormat.h"
#include "core/lists/ListViews.h"
#include "core/lists/TBatt.h"
#include "core/lists/THistory.h"
#include "core/pdf/PdfPrintout.h"
#include "core/text/AtomicFile.h"
#include "core/text/Cp1250.h"
#include "core/text/TextFile.h"
#include "core/views/MemoryView.h"
#include "core/views/UserView.h"
#include "tools/vorbixctl/DataFileViews.h"
#include "tools/vorbixctl/ListOutput.h"

#include <iostream>

namespace vorbix::tools {

namespace {

enum class Source
{
    None,
    MemoryView,
    FileView,
    History,
    Battery,
};

struct PageOptions
{
    Source source = Source::None;
    std::string dataFile;
    std::string output;
    bool json = false;
    std::string format; // --format: xlsx, csv or sylk; empty: by the output's extension
};

// `outputFlag`: "-o" for export, "--pdf" for print.
bool parsePageOptions(const std::vector<std::string>& args, const std::string& outputFlag, PageOptions& options,
                      std::string& error)
{
    bool list = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--view" && i + 1 < args.size()) {
            const std::string& view = args[++i];
            if (view != "memory" && view != "file") {
                error = "unknown view: " + view;
                return false;
            }
            options.source = view == "memory" ? Source::MemoryView : Source::FileView;
        } else if (arg == "--history" || arg == "--battery") {
            if (list) {
                error = "--history and --battery exclude each other";
                return false;
            }
            list = true;
            options.source = arg == "--history" ? Source::History : Source::Battery;
        } else if (arg == outputFlag && i + 1 < args.size()) {
            options.output = args[++i];
        } else if (arg == "--json") {
            options.json = true;
        } else if (outputFlag == "-o" && arg == "--format" && i + 1 < args.size()) {
            options.format = args[++i];
            exports::SheetFormat format;
            if (!exports::sheetFormatNamed(options.format, format)) {
                error = "unknown format: " + options.format;
                return false;
            }
        } else if (!arg.empty() && arg[0] != '-' && options.dataFile.empty()) {
            options.dataFile = arg;
        } else {
            error = "unexpected argument: " + arg;
            return false;
        }
    }
    if (options.output.empty()) {
        error = "no output file given (" + outputFlag + " FILE)";
        return false;
    }
    if (list && !options.dataFile.empty()) {
        error = "a list needs no data file";
        return false;
    }
    if (!list && options.dataFile.empty()) {
        error = "give a data file with --view, or --history or --battery";
        return false;
    }
    if (!list && options.source == Source::None) {
        options.source = Source::FileView;
    }
    return true;
}

// The grid's stored column widths; 0 for a column the user never sized.
std::vector<int> knownWidths(const app::IniFile& ini, views::RecordGrid grid, views::GridLayout layout)
{
    std::vector<int> widths = views::LoadWidths(ini, grid, layout);
    const std::vector<bool> stored = views::StoredWidthKeys(ini, grid, layout);
    for (std::size_t i = 0; i < widths.size() && i < stored.size(); ++i) {
        widths[i] = stored[i] ? widths[i] : 0;
    }
    return widths;
}

// The page's table as the program's grid shows it.
bool loadTable(const std::string& programFolder, const PageOptions& options, exports::SheetTable& table)
{
    FolderViews folder;
    if (options.source == Source::History || options.source == Source::Battery) {
        if (!loadFolder(programFolder, folder)) {
            return false;
        }
        const lists::UserColumnsShown shown = [&] {
            views::ColumnConfig config;
            views::LoadColumnConfig(folder.ini, config);
            return config.visible[static_cast<std::size_t>(views::GridLayout::Single)];
        }();
        if (options.source == Source::History) {
            lists::THistory history(text::joinPath(programFolder, "History.dat"));
            if (!checkListLoad(history.LoadHistory(), history.path())) {
                return false;
            }
            // The history page shows the newest entry first.
            history.SortHistory(lists::HistoryField::Time, false);
            const lists::HistoryView view(history.Records, folder.lang, folder.settings.userTitles, shown);
            table = exports::historyTable(view, history.Records);
        } else {
            lists::TBatt batt(text::joinPath(programFolder, "LowBatt.dat"));
            if (!checkListLoad(batt.LoadLowBatt(), batt.path())) {
                return false;
            }
            const lists::BatteryView view(batt.Records, folder.lang, folder.settings.userTitles, shown);
            table = exports::batteryTable(view, batt.Records);
        }
        return true;
    }

    if (!loadDataFile(programFolder, options.dataFile, folder)) {
        return false;
    }
    if (options.source == Source::MemoryView) {
        views::MemoryView view;
        view.build(folder.loaded.Records, folder.context);
        table = exports::memoryTable(view);
        table.gridWidths = knownWidths(folder.ini, views::RecordGrid::Memory, folder.context.layout());
        return true;
    }
    const views::ColumnCodes codes = fileViewCodes(folder);
    const bool single = folder.context.layout() == views::GridLayout::Single;
    int sortColumn = single ? folder.settings.SortColSingle : folder.settings.SortColMulti;
    if (sortColumn < 0 || sortColumn >= codes.count) {
        sortColumn = 0;
    }
    views::UserView view;
    view.build(folder.loaded.Records, folder.context, codes, sortColumn,
               single ? folder.settings.SortUpSingle : folder.settings.SortUpMulti);
    table = exports::userTable(view);
    // The stored widths follow the shown columns in order.
    table.gridWidths = knownWidths(folder.ini, views::RecordGrid::User, folder.context.layout());
    return true;
}

// A path as a JSON string; paths are the system's bytes, shown as they are.
std::string jsonPath(const std::string& path)
{
    return jsonString(cp1250::fromUtf8(path));
}

int report(const PageOptions& options, const std::string& path, const exports::SheetTable& table, int pages)
{
    if (options.json) {
        std::cout << "{\"file\":" << jsonPath(path) << ",\"rows\":" << table.rowCount()
                  << ",\"columns\":" << table.columnCount();
        if (pages >= 0) {
            std::cout << ",\"pages\":" << pages;
        }
        std::cout << "}\n";
    } else {
        std::cout << path << ": " << table.rowCount() << " rows, " << table.columnCount() << " columns";
        if (pages >= 0) {
            std::cout << ", " << pages << (pages == 1 ? " page" : " pages");
        }
        std::cout << "\n";
    }
    return 0;
}

} // namespace

int runExport(const std::string& programFolder, const std::vector<std::string>& args)
{
    PageOptions options;
    std::string error;
    if (!parsePageOptions(args, "-o", options, error)) {
        std::cerr
            << error
            << "\nusage: vorbixctl export FILE.rxd [--view memory|file] -o OUT.xlsx|OUT.csv|OUT.xls "
               "[--format xlsx|csv|sylk] [--json]\n"
            << "       vorbixctl export --history|--battery -o OUT.xlsx|OUT.csv|OUT.xls [--format ...] [--json]\n";
        return 2;
    }
    exports::SheetTable table;
    if (!loadTable(programFolder, options, table)) {
        return 1;
    }
    exports::SheetFormat format = exports::sheetFormatOfPath(options.output);
    if (!options.format.empty()) {
        (void)exports::sheetFormatNamed(options.format, format);
    }
    // Only the SYLK file gets an extension added, as the program has always done.
    const std::string target =
        format == exports::SheetFormat::Sylk ? exports::withXlsExtension(options.output) : options.output;
    if (!exports::exportTable(table, format, target, error)) {
        std::cerr << cp1250::toUtf8(error) << "\n";
        return 1;
    }
    return report(options, target, table, -1);
}

int runPrint(const std::string& programFolder, const std::vector<std::string>& args)
{
    PageOptions options;
    std::string error;
    if (!parsePageOptions(args, "--pdf", options, error)) {
        std::cerr << error << "\nusage: vorbixctl print FILE.rxd [--view memory|file] --pdf OUT.pdf [--json]\n"
                  << "       vorbixctl print --history|--battery --pdf OUT.pdf [--json]\n";
        return 2;
    }
    exports::SheetTable table;
    if (!loadTable(programFolder, options, table)) {
        return 1;
    }
    const pdf::PdfPrintout printout = pdf::printPdf(table, pdf::PdfPageSize{}, "VORBIX");
    if (!printout.ok) {
        std::cerr << printout.error << "\n";
        return 1;
    }
    if (!text::writeFileAtomically(options.output, printout.document, error)) {
        std::cerr << error << "\n";
        return 1;
    }
    return report(options, options.output, table, static_cast<int>(printout.layout.pages.size()));
}

} // namespace vorbix::tools

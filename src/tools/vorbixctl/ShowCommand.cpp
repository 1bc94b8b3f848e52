#include "tools/vorbixctl/ShowCommand.h"

#include "core/model/ModelText.h"
#include "core/views/MemoryView.h"
#include "core/views/UserView.h"
#include "tools/vorbixctl/DataFileViews.h"
#include "tools/vorbixctl/HumanText.h"

#include <iostream>

namespace vorbix::tools {

namespace {

constexpr const char* Usage = "usage: vorbixctl show FILE.rxd [--view memory|file] [--sort N] [--desc]\n";

struct ShowOptions
{
    std::string path;
    bool memoryView = false;
    int sortColumn = 0;
    bool descending = false;
};

bool parseOptions(const std::vector<std::string>& args, ShowOptions& options, std::string& error)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--view" && i + 1 < args.size()) {
            const std::string& view = args[++i];
            if (view != "memory" && view != "file") {
                error = "unknown view: " + view;
                return false;
            }
            options.memoryView = view == "memory";
        } else if (arg == "--sort" && i + 1 < args.size()) {
            if (!model::parseDecimal(args[++i], options.sortColumn) || options.sortColumn < 0) {
                error = "--sort needs a column number";
                return false;
            }
        } else if (arg == "--desc") {
            options.descending = true;
        } else if (!arg.empty() && arg[0] != '-' && options.path.empty()) {
            options.path = arg;
        } else {
            error = "unexpected argument: " + arg;
            return false;
        }
    }
    if (options.path.empty()) {
        error = "no data file given";
        return false;
    }
    return true;
}

// One cell of a tab-separated line: the texts are code page 1250 and may hold any character.
std::string cell(const std::string& text)
{
    return humanText(text);
}

void printGrid(const views::GridText& grid)
{
    std::string out;
    for (int column = 0; column < grid.columnCount(); ++column) {
        out += cell(grid.title(column)) + "\t";
    }
    out += "faulty\n";
    for (int row = 0; row < grid.rowCount(); ++row) {
        for (int column = 0; column < grid.columnCount(); ++column) {
            out += cell(grid.cellText(row, column)) + "\t";
        }
        out += grid.isFaulty(row) ? "1\n" : "0\n";
    }
    std::cout << out << std::flush;
}

} // namespace

int runShow(const std::string& programFolder, const std::vector<std::string>& args)
{
    ShowOptions options;
    std::string error;
    if (!parseOptions(args, options, error)) {
        std::cerr << error << "\n" << Usage;
        return 2;
    }
    FolderViews folder;
    if (!loadDataFile(programFolder, options.path, folder)) {
        return 1;
    }
    if (options.memoryView) {
        views::MemoryView view;
        view.build(folder.loaded.Records, folder.context);
        printGrid(view);
        return 0;
    }
    const views::ColumnCodes codes = fileViewCodes(folder);
    if (options.sortColumn >= codes.count) {
        std::cerr << "--sort: the file view has " << codes.count << " columns\n";
        return 2;
    }
    views::UserView view;
    view.build(folder.loaded.Records, folder.context, codes, options.sortColumn, !options.descending);
    printGrid(view);
    return 0;
}

} // namespace vorbix::tools

#include "tools/vorbixctl/ShowCommand.h"

#include "core/app/IniFile.h"
#include "core/app/Language.h"
#include "core/app/Settings.h"
#include "core/model/DataFile.h"
#include "core/model/ModelText.h"
#include "core/model/TRxFnc.h"
#include "core/text/Cp1250.h"
#include "core/views/ColumnConfig.h"
#include "core/views/MemoryView.h"
#include "core/views/UserView.h"

#include <iostream>
#include <memory>

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
    std::string clean = text;
    for (char& c : clean) {
        if (c == '\t' || c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return cp1250::toUtf8(clean);
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
    ErrorSink toStderr = [&options](const std::string& message) {
        std::cerr << cp1250::toUtf8(message) << " (" << options.path << ")\n";
    };
    ErrorSink warningToStderr = [&options](const std::string& message) {
        std::cerr << "warning: " << cp1250::toUtf8(message) << " (" << options.path << ")\n";
    };

    const app::IniFile ini = app::IniFile::load(programFolder + "/Vorbix.ini");
    const std::string languageCode = app::ReadLanguageCode(ini);
    PopisType lang;
    if (!app::LoadLanguage(programFolder, languageCode, lang, error)) {
        std::cerr << error << "\n";
        return 1;
    }
    app::Settings settings;
    app::LoadUserTitles(ini, lang, settings);

    model::LoadedDataFile loaded;
    if (!model::ReadDataFile(options.path, programFolder, nullptr, loaded, lang, toStderr, warningToStderr)) {
        return 1;
    }
    model::TRxFnc functions;
    functions.Folder = programFolder;
    functions.FileName = model::TRxFnc::functionFileName(programFolder, languageCode);
    functions.setMessages(&lang, toStderr);
    if (!functions.LoadFunctions(loaded.Device.Model, &loaded.Device)) {
        return 1;
    }

    views::ViewContext context;
    context.functions = &functions;
    context.device = &loaded.Device;
    context.lang = &lang;
    context.userTitles = settings.userTitles;

    if (options.memoryView) {
        views::MemoryView view;
        view.build(loaded.Records, context);
        printGrid(view);
        return 0;
    }
    views::ColumnConfig config;
    views::LoadColumnConfig(ini, config);
    const views::ColumnCodes codes = views::columnCodesFor(config, context.layout(), functions.SingleRelay);
    if (options.sortColumn >= codes.count) {
        std::cerr << "--sort: the file view has " << codes.count << " columns\n";
        return 2;
    }
    views::UserView view;
    view.build(loaded.Records, context, codes, options.sortColumn, !options.descending);
    printGrid(view);
    return 0;
}

} // namespace vorbix::tools

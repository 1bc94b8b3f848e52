#include "tools/vorbixctl/RecordFileCommands.h"

#include "core/app/Language.h"
#include "core/base/TextNumbers.h"
#include "core/model/DataFile.h"
#include "core/model/TTx.h"
#include "core/text/Cp1250.h"
#include "core/text/CsvReader.h"
#include "core/text/TextFile.h"
#include "core/views/ImportLanguages.h"
#include "core/views/RecordDiff.h"
#include "core/views/RecordImport.h"
#include "tools/vorbixctl/DataFileViews.h"
#include "tools/vorbixctl/DiffOutput.h"
#include "tools/vorbixctl/ListOutput.h"

#include <iostream>

namespace vorbix::tools {

namespace {

struct ImportOptions
{
    std::string dataFile;
    std::string csvFile;
    std::string output;
    bool json = false;
    bool skipBad = false;
};

bool parseImportOptions(const std::vector<std::string>& args, ImportOptions& options)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--csv" && i + 1 < args.size()) {
            options.csvFile = args[++i];
        } else if (arg == "-o" && i + 1 < args.size()) {
            options.output = args[++i];
        } else if (arg == "--json") {
            options.json = true;
        } else if (arg == "--skip-bad") {
            options.skipBad = true;
        } else if (!arg.empty() && arg[0] != '-' && options.dataFile.empty()) {
            options.dataFile = arg;
        } else {
            return false;
        }
    }
    return !options.dataFile.empty() && !options.csvFile.empty() && !options.output.empty();
}

} // namespace

int runImport(const std::string& programFolder, const std::vector<std::string>& args)
{
    ImportOptions options;
    if (!parseImportOptions(args, options)) {
        std::cerr << "usage: vorbixctl import FILE.rxd --csv IN.csv -o OUT.rxd [--json] [--skip-bad]\n";
        return 2;
    }
    FolderViews folder;
    if (!loadDataFile(programFolder, options.dataFile, folder)) {
        return 1;
    }
    std::string bytes;
    std::string error;
    csv::Content content;
    if (!text::readFile(options.csvFile, bytes, error)) {
        std::cerr << error << "\n";
        return 1;
    }
    if (!csv::parse(bytes, content, error, &folder.lang)) {
        std::cerr << options.csvFile << ": " << cp1250::toUtf8(error) << "\n";
        return 1;
    }

    views::ImportSetup setup;
    setup.context = folder.context;
    views::OtherLanguages others;
    views::addOtherLanguages(setup, programFolder, folder.languageCode, folder.loaded.Device.Model, others);
    setup.typesLoaded = model::LoadTxTypes(programFolder, setup.types, folder.lang, nullptr);

    views::ImportReport report;
    if (!views::checkImport(content, folder.loaded.Device, folder.loaded.Records, setup, folder.lang, report, error)) {
        std::cerr << options.csvFile << ": " << cp1250::toUtf8(error) << "\n";
        return 1;
    }
    const std::string encoding = csv::encodingName(report.encoding);
    if (options.json) {
        for (const views::RefusedRow& row : report.refused) {
            std::cout << "{\"line\":" << row.line << ",\"reason\":" << jsonString(row.reason) << "}\n";
        }
        std::cout << "{\"encoding\":" << jsonString(encoding) << ",\"add\":" << report.toAdd
                  << ",\"change\":" << report.toChange << ",\"unchanged\":" << report.unchanged
                  << ",\"refused\":" << report.refused.size() << ",\"unknownColumns\":[";
        for (std::size_t i = 0; i < report.unknownColumns.size(); ++i) {
            std::cout << (i ? "," : "") << jsonString(report.unknownColumns[i]);
        }
        std::cout << "]}\n";
    } else {
        std::cout << options.csvFile << ": read as " << encoding << "\n";
        for (const std::string& title : report.unknownColumns) {
            std::cout << "column ignored: " << cp1250::toUtf8(title) << "\n";
        }
        for (const views::ImportedRow& row : report.rows) {
            std::cout << "line " << row.line << ": " << (row.added ? "adds" : "changes") << " slot " << row.slot
                      << "\n";
        }
        for (const views::RefusedRow& row : report.refused) {
            std::cout << "line " << row.line << ": refused: " << cp1250::toUtf8(row.reason) << "\n";
        }
        std::cout << report.toAdd << " to add, " << report.toChange << " to change, " << report.unchanged
                  << " unchanged, " << report.refused.size() << " refused\n";
    }
    std::cout.flush();
    if (!report.refused.empty() && !options.skipBad) {
        std::cerr << "rows were refused; nothing was written (--skip-bad writes the other rows)\n";
        return 1;
    }
    model::TDevice device = folder.loaded.Device;
    model::RecordTable records = folder.loaded.Records;
    (void)views::applyImport(device, records, report);
    std::string image;
    const ErrorSink onError = [](const std::string& message) { std::cerr << cp1250::toUtf8(message) << "\n"; };
    return model::SaveDataFile(options.output, device, records, image, folder.lang, onError) ? 0 : 1;
}

int runDiff(const std::string& programFolder, const std::vector<std::string>& args)
{
    std::vector<std::string> files;
    bool json = false;
    for (const std::string& arg : args) {
        if (arg == "--json") {
            json = true;
        } else if (!arg.empty() && arg[0] != '-') {
            files.push_back(arg);
        } else {
            files.clear();
            break;
        }
    }
    if (files.size() != 2) {
        std::cerr << "usage: vorbixctl diff A.rxd B.rxd [--json]\n";
        return 2;
    }
    FolderViews first;
    FolderViews second;
    if (!loadDataFile(programFolder, files[0], first) || !loadDataFile(programFolder, files[1], second)) {
        return 1;
    }
    if (first.loaded.Device.Model != second.loaded.Device.Model) {
        std::cerr << "the files are of different models (" << cp1250::toUtf8(first.loaded.Device.Model) << ", "
                  << cp1250::toUtf8(second.loaded.Device.Model) << ")\n";
        return 1;
    }
    const views::RecordDiff diff =
        views::diffRecords(first.loaded.Records, second.loaded.Records, first.context, views::DiffFields::All);
    printDiff(std::cout, diff, json);
    return diff.same() ? 0 : 1;
}

} // namespace vorbix::tools

// A CSV file to import comes from anywhere: whatever it holds must read without harm, every field
// the reader gives must come back the same after writing it out again, and checking its rows
// against a data set must neither crash nor change that data set.

#include "core/app/Language.h"
#include "core/model/DataFile.h"
#include "core/model/TRxFnc.h"
#include "core/model/TTx.h"
#include "core/text/Cp1250.h"
#include "core/text/CsvReader.h"
#include "core/views/RecordChanges.h"
#include "core/views/RecordImport.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

namespace {

using namespace vorbix;

// The shipped example data set with its function and type files, read once.
struct ExampleSet
{
    PopisType lang;
    model::LoadedDataFile loaded;
    model::TRxFnc functions;
    views::ImportSetup setup;
    bool ready = false;

    ExampleSet()
    {
        std::string error;
        if (!app::LoadLanguage(VORBIX_DATA_DIR, "US", lang, error) ||
            !model::ReadDataFile(std::string(VORBIX_DATA_DIR) + "/Examples/Example.rxd", VORBIX_DATA_DIR, nullptr,
                                 loaded, lang, {})) {
            return;
        }
        functions.Folder = VORBIX_DATA_DIR;
        functions.FileName = model::TRxFnc::functionFileName(VORBIX_DATA_DIR, "US");
        if (!functions.LoadFunctions(loaded.Device.Model, &loaded.Device)) {
            return;
        }
        setup.context.functions = &functions;
        setup.context.device = &loaded.Device;
        setup.context.lang = &lang;
        setup.context.userTitles = {"ID", "User 1", "User 2", "User 3", "User 4"};
        setup.typesLoaded = model::LoadTxTypes(VORBIX_DATA_DIR, setup.types, lang, {});
        ready = true;
    }
};

// Every field quoted, so that no separator guess can split one.
std::string rewritten(const csv::Content& content)
{
    std::string out;
    for (const csv::Record& record : content.records) {
        for (std::size_t i = 0; i < record.fields.size(); ++i) {
            out += i ? "," : "";
            out += '"';
            for (const char c : cp1250::toUtf8(record.fields[i])) {
                out += c == '"' ? "\"\"" : std::string(1, c);
            }
            out += '"';
        }
        out += "\r\n";
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    csv::Content content;
    std::string error;
    if (!csv::parse(bytes, content, error)) {
        if (error.empty() || !content.records.empty()) {
            std::abort(); // a refusal says why and gives nothing
        }
        return 0;
    }
    int line = 0;
    for (const csv::Record& record : content.records) {
        if (record.fields.empty() || record.line <= line) {
            std::abort(); // records have fields and come in the order of their lines
        }
        line = record.line;
    }
    csv::Content again;
    if (!csv::parse(rewritten(content), again, error) || again.records.size() != content.records.size()) {
        std::abort();
    }
    for (std::size_t r = 0; r < content.records.size(); ++r) {
        if (again.records[r].fields != content.records[r].fields) {
            std::abort(); // what the reader gives survives a write and a read
        }
    }

    static const std::unique_ptr<ExampleSet> example = std::make_unique<ExampleSet>();
    if (example->ready) {
        views::ImportReport report;
        model::RecordTable records = example->loaded.Records;
        if (views::checkImport(content, example->loaded.Device, records, example->setup, example->lang, report,
                               error)) {
            if (!views::changedRecords(example->loaded.Records, records).empty()) {
                std::abort(); // the check changes nothing
            }
            model::TDevice device = example->loaded.Device;
            const views::RecordChange change = views::applyImport(device, records, report);
            for (const views::ImportedRow& row : report.rows) {
                if (records[static_cast<std::size_t>(row.slot)].Empty) {
                    std::abort(); // every accepted row holds a record afterwards
                }
            }
            static_cast<void>(change);
        }
    }
    return 0;
}

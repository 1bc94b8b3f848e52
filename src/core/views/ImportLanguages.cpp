#include "core/views/ImportLanguages.h"

#include "core/app/Language.h"
#include "core/base/TextNumbers.h"

namespace vorbix::views {

void addOtherLanguages(ImportSetup& setup, const std::string& programFolder, const std::string& shownCode,
                       const std::string& model, OtherLanguages& keep)
{
    for (const char* code : {"US", "CZ"}) {
        PopisType table;
        std::string error;
        if (code == shownCode || !app::LoadLanguage(programFolder, code, table, error)) {
            continue;
        }
        const PopisType& kept = keep.tables.emplace_back(std::move(table));
        model::TRxFnc& functions = keep.functions.emplace_back();
        functions.setMessages(&kept, nullptr);
        functions.Folder = programFolder;
        functions.FileName = model::TRxFnc::functionFileName(programFolder, code);

        ViewContext other = setup.context;
        other.lang = &kept;
        for (int i = 0; i < 5; ++i) {
            other.userTitles[static_cast<std::size_t>(i)] = LangText(kept, lang::kFirstUserTitle + i);
        }
        if (functions.LoadFunctions(model)) {
            other.functions = &functions;
        }
        setup.otherTitles.push_back(other);
    }
}

} // namespace vorbix::views

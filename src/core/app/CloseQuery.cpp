#include "core/app/CloseQuery.h"

#include "core/base/TextNumbers.h"

namespace vorbix::app {
namespace {

// True when this question lets the close go on.
bool askAndSave(const UnsavedItem& item, const AskQuestion& ask)
{
    switch (ask(item.question)) {
    case Answer::Cancel:
        return false;
    case Answer::No:
        return true;
    case Answer::Yes:
        return item.save && item.save();
    }
    return false;
}

} // namespace

bool CloseQuery(const std::vector<UnsavedItem>& items, const AskQuestion& ask)
{
    bool mayClose = true;
    for (const UnsavedItem& item : items) {
        mayClose = askAndSave(item, ask) && mayClose;
    }
    return mayClose;
}

std::string DataSetCloseQuestion(const PopisType& lang)
{
    return LangText(lang, lang::kSaveChanges);
}

std::string MonitorSetupCloseQuestion(const PopisType& lang)
{
    return LangText(lang, lang::kSaveChanges) + " - " + LangText(lang, lang::kPageMonitoring);
}

} // namespace vorbix::app

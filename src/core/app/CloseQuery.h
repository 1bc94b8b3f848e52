#pragma once

#include "core/base/LanguageTable.h"

#include <functional>
#include <string>
#include <vector>

namespace vorbix::app {

enum class Answer
{
    Yes,
    No,
    Cancel,
};

// Something unsaved that closing the program asks about: the question, and the save that Yes runs.
// The save returns false when it failed or was abandoned; a missing save counts as a failed one.
struct UnsavedItem
{
    std::string question;
    std::function<bool()> save;
};

// `ask` shows a Yes/No/Cancel question with the question icon and the main window's caption as title.
using AskQuestion = std::function<Answer(const std::string& question)>;

// Asks about every item, in order, whatever the earlier answers were. Cancel, or Yes with a failed
// save, refuses the close: the result is then false.
[[nodiscard]] bool CloseQuery(const std::vector<UnsavedItem>& items, const AskQuestion& ask);

// The questions about an unsaved data set (language text 84) and an unsaved monitor setup (text 84
// + " - " + text 231).
std::string DataSetCloseQuestion(const PopisType& lang);
std::string MonitorSetupCloseQuestion(const PopisType& lang);

} // namespace vorbix::app

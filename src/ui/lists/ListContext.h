#pragma once

#include "core/base/LanguageTable.h"
#include "core/lists/ListRecords.h"
#include "core/lists/ListViews.h"

#include <functional>
#include <string>

namespace vorbix::app {
struct Settings;
}

namespace vorbix::ui {

// What the two list pages take from the main window.
struct ListContext
{
    const PopisType* lang = nullptr;
    app::Settings* settings = nullptr; // user titles, column widths, the battery sort
    // The user columns the layout in force shows (ID, User 1..4).
    std::function<lists::UserColumnsShown()> shownColumns;
    // A list file that cannot be written: the error box with text 80.
    std::function<void(const std::string& error)> saveFailed;
    // What a load found (lines left out are reported once).
    std::function<void(const lists::ListLoad& load, const std::string& path)> loaded;
};

} // namespace vorbix::ui

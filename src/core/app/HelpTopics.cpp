#include "core/app/HelpTopics.h"

#include "core/text/TextFile.h"

namespace vorbix::app {
namespace {

struct Topic
{
    int context;
    const char* page;
};

// Context numbers as the windows and controls carry them.
constexpr Topic kTopics[] = {
    {100, "window.html"},
    {110, "memory.html"},
    {120, "file.html"},
    {130, "battery.html"},
    {140, "history.html"},
    {150, "monitor.html"},
    {170, "window.html#statusbar"},
    {180, "online.html#directcontrol"},
    {210, "menus.html#file"},
    {220, "menus.html#edit"},
    {230, "menus.html#communication"},
    {240, "menus.html#settings"},
    {250, "communication.html#connection"},
    {260, "communication.html#login"},
    {300, "records.html#edit"},
    {310, "welcome.html"},
    {320, "records.html#find"},
    {330, "monitor.html#message"},
    {340, "monitor.html#event"},
    {410, "setup.html#basic"},
    {420, "setup.html#online"},
    {430, "setup.html#startup"},
    {440, "setup.html#connections"},
    {450, "setup.html#accounts"},
};

} // namespace

std::string HelpTopicForContext(int context)
{
    for (const Topic& topic : kTopics) {
        if (topic.context == context) {
            return topic.page;
        }
    }
    return "index.html";
}

std::string HelpTopicPath(const std::string& contentsPage, int context)
{
    const auto slash = contentsPage.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string() : contentsPage.substr(0, slash);
    return text::joinPath(folder, HelpTopicForContext(context));
}

} // namespace vorbix::app

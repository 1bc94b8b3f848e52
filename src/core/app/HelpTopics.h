#pragma once

#include <string>

namespace vorbix::app {

// The help page (a file of the language's help folder, with an optional "#anchor") that explains
// the controls carrying a help context number. Unknown numbers open the contents page.
std::string HelpTopicForContext(int context);

// The help file of a topic: the topic's file in the folder of the help contents page, with its
// anchor kept. `contentsPage` is the language's contents page (HelpFileFor).
std::string HelpTopicPath(const std::string& contentsPage, int context);

} // namespace vorbix::app

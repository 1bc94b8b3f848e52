#pragma once

#include "core/app/StatusView.h"
#include "ui/app/Shell.h"

#include <QObject>
#include <functional>
#include <map>
#include <optional>

namespace vorbix::ui {

class MainActions;

// The one place that sends the Edit menu's Add, Edit and Delete (and their tool buttons) to the
// feature of the page on show.
class PageCommandRouter : public QObject
{
    Q_OBJECT
public:
    // `pageOnShow`: the page whose commands run now; none in the monitor layout.
    PageCommandRouter(MainActions& actions, std::function<std::optional<app::Page>()> pageOnShow,
                      QObject* parent = nullptr);

    void set(app::Page page, PageCommands commands);

private:
    void run(std::function<void()> PageCommands::*command);

    std::function<std::optional<app::Page>()> m_pageOnShow;
    std::map<app::Page, PageCommands> m_commands;
};

} // namespace vorbix::ui

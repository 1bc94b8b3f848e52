#include "ui/app/PageCommandRouter.h"

#include "ui/app/MainActions.h"

#include <QAction>

namespace vorbix::ui {

PageCommandRouter::PageCommandRouter(MainActions& actions, std::function<std::optional<app::Page>()> pageOnShow,
                                     QObject* parent)
    : QObject(parent), m_pageOnShow(std::move(pageOnShow))
{
    const std::pair<const char*, std::function<void()> PageCommands::*> commands[] = {
        {"MenuAdd", &PageCommands::add},
        {"MenuEdit", &PageCommands::edit},
        {"MenuDelete", &PageCommands::remove},
    };
    for (const auto& [name, command] : commands) {
        if (QAction* action = actions.action(QString::fromLatin1(name))) {
            connect(action, &QAction::triggered, this, [this, command] { run(command); });
        }
    }
}

void PageCommandRouter::set(app::Page page, PageCommands commands)
{
    m_commands[page] = std::move(commands);
}

void PageCommandRouter::run(std::function<void()> PageCommands::*command)
{
    const std::optional<app::Page> page = m_pageOnShow();
    if (!page) {
        return;
    }
    const auto found = m_commands.find(*page);
    if (found != m_commands.end() && found->second.*command) {
        (found->second.*command)();
    }
}

} // namespace vorbix::ui

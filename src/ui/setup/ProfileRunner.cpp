#include "ui/setup/ProfileRunner.h"

#include "core/app/Settings.h"
#include "core/link/Komunikace.h"
#include "core/setup/ProfileEditor.h"
#include "ui/app/MainActions.h"
#include "ui/app/Shell.h"
#include "ui/link/LinkSession.h"
#include "ui/widgets/QtText.h"

#include <QAction>

namespace vorbix::ui {

ProfileRunner::ProfileRunner(Shell& shell, FileOpener openData, FileOpener loadMonitor)
    : m_shell(shell), m_openData(std::move(openData)), m_loadMonitor(std::move(loadMonitor))
{
}

void ProfileRunner::takeConnection(const app::TConnection& profile, bool keepDumpRead)
{
    link::TKomunikace& link = m_shell.linkSession().link();
    link.Settings = setup::ConnectionOfProfile(profile, keepDumpRead ? link.Settings.DumpRead : false);
    link.NastavIni();
    m_shell.settings().connection = link.Settings;
    m_shell.RefreshStatus();
}

void ProfileRunner::openFiles(const app::TConnection& profile)
{
    if (!profile.Data.empty() && m_openData) {
        m_openData(fromCp(profile.Data));
    }
    if (!profile.Monitor.empty() && m_loadMonitor) {
        m_loadMonitor(fromCp(profile.Monitor));
    }
}

void ProfileRunner::runActions(const app::TConnection& profile)
{
    if (profile.GoDownload) {
        trigger("MenuDownload");
    }
    if (profile.GoOnline && !m_shell.state().OnLine) {
        trigger("MenuOnline");
    }
    if (profile.GoMonitor) {
        trigger("MenuMonitor");
    }
}

void ProfileRunner::trigger(const char* actionName)
{
    if (QAction* action = m_shell.actions()->action(QString::fromLatin1(actionName))) {
        action->trigger();
    }
}

} // namespace vorbix::ui

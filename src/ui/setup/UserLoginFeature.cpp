#include "ui/setup/UserLoginFeature.h"

#include "core/app/Settings.h"
#include "core/text/TextFile.h"
#include "ui/app/Shell.h"
#include "ui/setup/ProfileRunner.h"
#include "ui/setup/TUserLoginForm.h"
#include "ui/widgets/QtText.h"

#include <QWidget>

namespace vorbix::ui {

UserLoginFeature::UserLoginFeature(Shell& shell) : Feature(shell)
{
    setObjectName(QStringLiteral("UserLoginFeature"));
    m_form = new TUserLoginForm(shell.mainWindow());
    m_runner = std::make_unique<ProfileRunner>(
        shell, [this](const QString& path) { emit openDataFileRequested(path); },
        [this](const QString& path) { emit monitorFileRequested(path); });
}

UserLoginFeature::~UserLoginFeature() = default;

void UserLoginFeature::applyLanguage(const PopisType& lang)
{
    m_form->setLanguage(&lang);
}

bool UserLoginFeature::startup(const app::StartupPlan& plan)
{
    if (!plan.userLogin) {
        return true;
    }
    bool administrator = false;
    const bool loggedIn =
        m_login ? m_login(administrator)
                : m_form->Login(
                      text::joinPath(shell().programFolder(), setup::kAccountFileName),
                      [this](const setup::TAccount& account) { return RunAccount(account); }, administrator);
    if (!loggedIn) {
        return false;
    }
    shell().state().AdminRights = administrator;
    if (!administrator) {
        shell().cutDownForUser();
    }
    return true;
}

bool UserLoginFeature::RunAccount(const setup::TAccount& account)
{
    shell().state().AdminRights = account.Admin;
    const app::ConnectionList& profiles = shell().settings().profiles;
    const std::size_t chosen = setup::ProfileForAccount(profiles, account.Connection);
    const app::TConnection profile = chosen < profiles.size() ? profiles[chosen] : app::TConnection{};
    m_runner->takeConnection(profile, false);
    m_runner->openFiles(profile);
    m_runner->runActions(profile);
    shell().mainWindow()->setWindowTitle(fromCp("Vorbix - " + profile.Name));
    return !setup::LoginCancelled(profile, account.Admin, shell().state().LoggedIn);
}

} // namespace vorbix::ui

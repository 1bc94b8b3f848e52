#include "ui/setup/UserLoginFeature.h"

#include "ui/app/Shell.h"

#include <iostream>

namespace vorbix::ui {

UserLoginFeature::UserLoginFeature(Shell& shell) : Feature(shell)
{
    setObjectName(QStringLiteral("UserLoginFeature"));
}

bool UserLoginFeature::startup(const app::StartupPlan& plan)
{
    if (!plan.userLogin) {
        return true;
    }
    bool administrator = false;
    if (!m_login) {
        std::cerr << "Vorbix: the user login is not available in this build\n";
        return false;
    }
    if (!m_login(administrator)) {
        return false;
    }
    shell().state().AdminRights = administrator;
    if (!administrator) {
        shell().cutDownForUser();
    }
    return true;
}

} // namespace vorbix::ui

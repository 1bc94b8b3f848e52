#pragma once

#include "ui/app/Feature.h"

#include <functional>

namespace vorbix::ui {

// The application user login at start, when the setting Login is on: cancelled, it ends the
// program; a user without administrator rights gets the cut-down window. The login dialog itself
// comes with the user accounts; until then no account can be checked and the start ends as if the
// login were cancelled.
class UserLoginFeature : public Feature
{
    Q_OBJECT
public:
    // Shows the login modally; false when cancelled, `administrator` gives the user's rights.
    using Login = std::function<bool(bool& administrator)>;

    explicit UserLoginFeature(Shell& shell);

    void setLogin(Login login) { m_login = std::move(login); }

    bool startup(const app::StartupPlan& plan) override;

private:
    Login m_login;
};

} // namespace vorbix::ui

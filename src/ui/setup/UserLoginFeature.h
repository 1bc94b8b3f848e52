#pragma once

#include "core/setup/Accounts.h"
#include "ui/app/Feature.h"

#include <QString>
#include <functional>
#include <memory>

namespace vorbix::ui {

class ProfileRunner;
class TUserLoginForm;

// The application user login at start, when the setting Login is on. The account's connection
// profile is run before the dialog closes (the link takes its connection, its files open, its
// actions run); a user without administrator rights whose profile's actions found no receiver is
// refused. Cancelled or refused, the program ends; a user without administrator rights gets the
// cut-down window.
class UserLoginFeature : public Feature
{
    Q_OBJECT
public:
    // Replaces the dialog (tests): false when cancelled, `administrator` gives the user's rights.
    using Login = std::function<bool(bool& administrator)>;

    explicit UserLoginFeature(Shell& shell);
    ~UserLoginFeature() override;

    TUserLoginForm& loginForm() { return *m_form; }
    void setLogin(Login login) { m_login = std::move(login); }

    void applyLanguage(const PopisType& lang) override;
    bool startup(const app::StartupPlan& plan) override;

    // The account chosen in the dialog: its profile is run. False when the login must be refused.
    bool RunAccount(const setup::TAccount& account);

signals:
    // A profile's data file: DataFileName takes it and it opens when it exists.
    void openDataFileRequested(const QString& path);
    // A profile's monitor setup file: the monitor takes it and loads it when it exists.
    void monitorFileRequested(const QString& path);

private:
    TUserLoginForm* m_form = nullptr;
    std::unique_ptr<ProfileRunner> m_runner;
    Login m_login;
};

} // namespace vorbix::ui

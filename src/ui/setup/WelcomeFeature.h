#pragma once

#include "ui/app/Feature.h"

#include <QString>
#include <memory>

namespace vorbix::ui {

class ProfileRunner;
class TWelcomeForm;

// The welcome window at start (the setting Welcome on, no user login, no file on the command line).
// Its buttons run the main window's own commands; choosing a profile only changes the link, its
// Run button opens the profile's files and runs its actions. However it closes, the caption names
// the profile chosen, and a ticked "Don't show next time" switches the setting off.
class WelcomeFeature : public Feature
{
    Q_OBJECT
public:
    explicit WelcomeFeature(Shell& shell);
    ~WelcomeFeature() override;

    TWelcomeForm& welcomeForm() { return *m_form; }

    void applyLanguage(const PopisType& lang) override;
    bool startup(const app::StartupPlan& plan) override;

    // Shows the window (without blocking), filled for the current settings and connection.
    void ShowWelcome();

    void BtnNewClick();
    void BtnOpenClick();
    void BtnOpen2Click();
    void BtnLoginClick();
    void BitBtn1Click();
    void BtnSetupClick();
    void ConnComboChange(int index);
    void ConnOpenButtonClick();

signals:
    // A data file to open as the data set (DataFileName takes it; it opens when it exists).
    void openDataFileRequested(const QString& path);
    // A profile's monitor setup file.
    void monitorFileRequested(const QString& path);

private:
    void trigger(const char* actionName);
    void closed();
    void showConnection();

    TWelcomeForm* m_form = nullptr;
    std::unique_ptr<ProfileRunner> m_runner;
};

} // namespace vorbix::ui

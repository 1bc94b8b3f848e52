#pragma once

#include "core/app/CloseQuery.h"
#include "core/app/Startup.h"

#include <QObject>
#include <optional>

namespace vorbix::ui {

class MainActions;
class Shell;

// One feature of the main window (the record views, communication, ...). The main window creates
// its features in the wiring function and calls their hooks in a loop, in that order; a feature
// overrides the hooks it needs. Features never hold one another: they talk through signals that the
// wiring function connects, and share what the Shell holds.
class Feature : public QObject
{
    Q_OBJECT
public:
    explicit Feature(Shell& shell);

    // Right after creation: connect the main window's commands this feature runs.
    virtual void connectActions(MainActions& /*actions*/) {}
    // A language was loaded (and at the first showing): the feature's dialogs and widgets take its
    // texts.
    virtual void applyLanguage(const PopisType& /*lang*/) {}
    // The first showing loaded the settings batch.
    virtual void settingsLoaded() {}
    // The first showing's start-up step, after the checks and the settings; false refuses the start
    // and the program ends (as a cancelled user login does).
    [[nodiscard]] virtual bool startup(const app::StartupPlan& /*plan*/) { return true; }
    // The first activation of the main window.
    virtual void firstActivation(const app::ActivationPlan& /*plan*/) {}
    // What closing the program asks this feature about; nothing when all is saved.
    virtual std::optional<app::UnsavedItem> unsavedItem() { return std::nullopt; }
    // The close steps, after the settings were saved.
    virtual void closeSteps() {}
    // True while the feature runs a sequence the window must not close under.
    virtual bool busy() const { return false; }

protected:
    Shell& shell() const { return m_shell; }

private:
    Shell& m_shell;
};

} // namespace vorbix::ui

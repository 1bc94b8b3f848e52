#pragma once

#include "core/base/Clock.h"
#include "core/model/TData.h"
#include "ui/app/Feature.h"

#include <optional>

namespace vorbix::ui {

class TChangePassForm;
class TCommForm;
class TCommSetupForm;
class TLoginForm;
class LinkLease;

// The Communication menu: log in and out, connection setup, download with the dated backup, upload
// with read-back, and password change. Every sequence works under a lease of the link session, so
// each has one way to succeed and one to fail, and neither leaves the commands locked or the link
// open. Login, password change and the re-check run on the user-interface thread while the link
// processes events, so the busy window's Cancel works; downloads and uploads run on the worker while
// the progress dialog shows.
class CommunicationFeature : public Feature
{
    Q_OBJECT
public:
    explicit CommunicationFeature(Shell& shell);
    ~CommunicationFeature() override;

    TCommForm& commForm() { return *m_commForm; }
    TCommSetupForm& commSetupForm() { return *m_setupForm; }
    TLoginForm& loginForm() { return *m_loginForm; }
    TChangePassForm& changePassForm() { return *m_changePassForm; }
    // Backup names follow this clock (tests fix the moment).
    void setClock(Clock& clock) { m_clock = &clock; }

    void connectActions(MainActions& actions) override;
    void applyLanguage(const PopisType& lang) override;
    // The link takes the connection of the settings just loaded.
    void settingsLoaded() override;
    // The configured download.
    void firstActivation(const app::ActivationPlan& plan) override;
    // Logs out of the receiver.
    void closeSteps() override;
    bool busy() const override { return m_busy > 0; }

    void MenuLoginClick();
    void Logout();
    void MenuCommSetupClick();
    void MenuDownloadClick();
    void MenuUploadClick();
    void MenuPassChangeClick();

private:
    void LoginDone();
    void showBusy(bool cancellable);
    void closeBusy();
    bool loggedInOrLogin();
    void applyLoginTexts();
    void rebuildViews();
    // The changes an upload of the records shown makes to `receiver`'s records, shown for the user
    // to confirm; false when the user cancels.
    bool confirmUpload(const model::RecordTable& receiver);
    // Reads the receiver's records without changing what the program holds; false when the read
    // failed or was cancelled.
    bool readReceiverRecords(LinkLease& lease, model::RecordTable& records);

    TCommForm* m_commForm = nullptr;
    TCommSetupForm* m_setupForm = nullptr;
    TLoginForm* m_loginForm = nullptr;
    TChangePassForm* m_changePassForm = nullptr;
    Clock* m_clock = &Clock::system();
    int m_busy = 0;
    // The records of this login's last download while nothing has been uploaded since: what the
    // receiver holds, so the changes of an upload need no second read.
    std::optional<model::RecordTable> m_downloaded;
};

} // namespace vorbix::ui

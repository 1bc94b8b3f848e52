#pragma once

#include "core/base/Clock.h"
#include "core/link/Komunikace.h"
#include "core/link/Rx.h"
#include "core/model/Backup.h"
#include "ui/link/TKom.h"

#include <QObject>
#include <memory>

class QTimer;

namespace vorbix::ui {

class TChangePassForm;
class TCommForm;
class TCommSetupForm;
class TLoginForm;
class TMainForm;
class ViewsPart;

// The communication commands of the main window: log in and out, connection setup, download with
// the dated backup, upload with read-back, and password change. Every sequence locks the
// communication commands, opens the link, re-checks the receiver, does its work, closes the link
// and unlocks, whatever the outcome. Login, password change and the re-check run on the
// user-interface thread with the link's pump processing events, so the busy window's Cancel works;
// downloads and uploads run on the worker while the progress dialog shows.
class CommPart : public QObject
{
    Q_OBJECT
public:
    CommPart(TMainForm& window, ViewsPart& views);
    ~CommPart() override;

    link::TKomunikace& link() { return *m_link; }
    link::TRx& rx() { return *m_rx; }
    TCommForm& commForm() { return *m_commForm; }
    TCommSetupForm& commSetupForm() { return *m_setupForm; }
    TLoginForm& loginForm() { return *m_loginForm; }
    TChangePassForm& changePassForm() { return *m_changePassForm; }

    // The link takes the connection of the settings just loaded / the settings take the link's.
    void applySettings();
    void storeSettings();
    void giveLanguage();
    // Backup names follow this clock (tests fix the moment).
    void setClock(Clock& clock) { m_clock = &clock; }
    // True while a sequence runs; the window does not close meanwhile.
    bool busy() const { return m_busy > 0; }
    std::string receiverDescription() const;

    void MenuLoginClick();
    void Logout();
    void MenuCommSetupClick();
    void MenuDownloadClick();
    void MenuUploadClick();
    void MenuPassChangeClick();

private:
    void LoginDone();
    void connectActions();
    void showBusy(bool cancellable);
    void closeBusy();
    // Opens the link when it is closed; false when that failed (the link told the user why).
    bool openLink();
    // The steps every transfer shares. Each false result has already ended the sequence: the
    // commands are unlocked, the busy window closed and the link closed.
    bool loggedInOrLogin();
    bool openOrEnd();
    bool sameReceiverOrLogout();
    // Runs a download or upload on the worker while the progress dialog shows; its result.
    bool runTransfer(const TKom::Job& job);
    // Rebuilds the views, unlocks, closes the link and gives it back to on-line mode.
    void endSequence(bool restartOnlineMode);
    // On-line mode is stopped before a sequence uses the link and restarted after it; both do
    // nothing until on-line mode exists. stopOnline tells whether it ran.
    bool stopOnline();
    void restartOnline();
    void reportError(const std::string& message);
    void applyLoginTexts();
    void rebuildViews();

    TMainForm& m_window;
    ViewsPart& m_views;
    std::unique_ptr<link::TKomunikace> m_link;
    std::unique_ptr<link::TRx> m_rx;
    TKom* m_worker = nullptr;
    TCommForm* m_commForm = nullptr;
    TCommSetupForm* m_setupForm = nullptr;
    TLoginForm* m_loginForm = nullptr;
    TChangePassForm* m_changePassForm = nullptr;
    QTimer* m_keepAlive = nullptr;
    Clock* m_clock = &Clock::system();
    int m_busy = 0;
};

} // namespace vorbix::ui

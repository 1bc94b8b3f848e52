#pragma once

#include "core/online/OnlineSession.h"
#include "ui/app/Feature.h"

#include <QDateTime>
#include <QString>
#include <memory>

namespace vorbix::ui {

class DirectControlPage;
class OnlinePanel;
class TCommForm;

// On-line mode in the main window: the command that starts and ends it, the on-line panel that
// shows the last event and offers Add for a transmitter the records do not hold, and the waits between failed status
// reads in a progress dialog with Cancel. The core session listens on a thread of its own; its callbacks come back to
// this thread as queued signals. On-line mode is the link session's preemptible user: every communication sequence
// stops it and restarts it afterwards.
class OnlineFeature : public Feature
{
    Q_OBJECT
public:
    explicit OnlineFeature(Shell& shell);
    ~OnlineFeature() override;

    // Tests shorten the waits.
    void setTimings(const online::OnlineTimings& timings) { m_session->setTimings(timings); }
    bool running() const { return m_session->running(); }
    TCommForm& waitForm() { return *m_waitForm; }
    DirectControlPage& directPage() { return *m_directPage; }
    OnlinePanel& panel() { return *m_panel; }

    void connectActions(MainActions& actions) override;
    void applyLanguage(const PopisType& lang) override;
    // The configured on-line start.
    void firstActivation(const app::ActivationPlan& plan) override;
    void closeSteps() override;

    // Starts on-line mode (logging in first when needed), or ends it when it runs.
    void MenuOnlineClick();
    // Starts on-line mode on the logged-in receiver; false when the link or the receiver failed.
    bool StartOnline();
    // StopOnline: ends on-line mode and closes the link; true when it was on.
    bool StopOnline();
    // The logger program: on-line mode ends first so that the link is free for it.
    void MenuQTXLoggerClick();
    // The transmitter of the panel was added to the records: Add is no longer offered.
    void TransmitterAdded();

signals:
    // Not logged in: the login runs before on-line mode starts.
    void loginNeeded();
    // An event read from the receiver: transmitter, code character, low battery, whether the
    // receiver memory holds the transmitter, when it was read.
    void statusReceived(const QString& txCode, const QString& buttonCode, bool lowBatt, bool inReceiver,
                        const QDateTime& time);
    // A transmitter was received (serial digits, button code): the record views may select it.
    void lastTransmitterShown(const QString& serial, const QString& button);
    // The receiver stopped answering on-line (false), or answers again after a loss or at the start
    // of on-line mode (true).
    void receiverLinkChanged(bool answering);
    // Add of the panel: the transmitter and button it shows go into the first free slot.
    void addTransmitterRequested(const QString& transmitter, const QString& button);

    // The session's thread hands its callbacks over with these.
    void sessionStatus(const vorbix::online::StatusBlock& block, QPrivateSignal);
    void sessionWait(const vorbix::online::WaitProgress& progress, QPrivateSignal);
    void sessionRelays(quint8 relays, QPrivateSignal);
    void sessionRelaysSent(bool acknowledged, QPrivateSignal);
    void sessionLink(int state, int attempt, QPrivateSignal);
    void sessionError(const QString& text, QPrivateSignal);
    void sessionBusy(bool busy, QPrivateSignal);
    void sessionEnded(QPrivateSignal);

private:
    online::OnlineCallbacks callbacks();
    void showStatus(const online::StatusBlock& block);
    void showWait(const online::WaitProgress& progress);
    void showRelays(quint8 relays);
    void showLinkState(int state, int attempt);
    void beep();
    void showError(const QString& text);
    void setBusy(bool busy);
    void endedByItself();
    void applyOnlineState(bool onLine);

    std::unique_ptr<online::OnlineSession> m_session;
    TCommForm* m_waitForm = nullptr;
    DirectControlPage* m_directPage = nullptr;
    OnlinePanel* m_panel = nullptr;
};

} // namespace vorbix::ui

#pragma once

#include "core/base/LanguageTable.h"
#include "ui/link/LinkLease.h"
#include "ui/link/TKom.h"

#include <QObject>
#include <functional>
#include <memory>
#include <string>

class QTimer;
class QWidget;

namespace vorbix::model {
struct ReceiverMemory;
}
namespace vorbix::link {
class TKomunikace;
class TRx;
} // namespace vorbix::link

namespace vorbix::ui {

class TCommForm;

// The owner of the one link to the receiver: the link TKomunikace, the receiver object TRx, the
// worker TKom and the keep-alive. Every communication sequence works through a lease (LinkLease):
// one at a time, a second one while the first is held is refused rather than waited for, so a timer
// that fires while a sequence waits for the receiver cannot run into it. The user-interface thread
// takes and releases leases; a job of a lease runs on the worker.
//
// Failures of the link and the receiver are shown as error boxes over `messageParent`, also when
// they happen on the worker (which then waits until the box is closed). While the link waits on
// the user-interface thread, events are processed, so the busy window's Cancel reaches it.
class LinkSession : public QObject
{
    Q_OBJECT
public:
    enum class JobResult
    {
        Succeeded,
        Failed,
        Refused, // no lease is held: the job did not run
    };

    // `lang` and `memory` must outlive the session; `programFolder` holds "Rx.def".
    LinkSession(const PopisType& lang, model::ReceiverMemory& memory, const std::string& programFolder,
                QWidget* messageParent, QObject* parent = nullptr);
    ~LinkSession() override;

    link::TKomunikace& link() { return *m_link; }
    link::TRx& rx() { return *m_rx; }

    // How a lease locks and unlocks the communication commands (true: lock).
    void setCommandLock(std::function<void(bool locked)> lock) { m_lock = std::move(lock); }
    // The one user that gives the link up to a lease and gets it back (on-line mode): `stop` ends it
    // and tells whether it was running, `restart` starts it again.
    void setPreemptibleUser(std::function<bool()> stop, std::function<void()> restart);
    // The upload's question whether to stop after a cancel, asked on the user-interface thread.
    void setCancelQuestion(std::function<bool()> ask);

    // Locks the commands, stops the preemptible user and clears CancelRequested; refused (false)
    // while another lease is held.
    [[nodiscard]] LinkLease lease();
    bool leaseHeld() const { return m_leaseHeld; }
    // Ends the preemptible user for good (a logout); true when it was running.
    bool stopPreemptibleUser();

    // On-line mode sends keep-alives of its own while it owns the link: the session's timer stays
    // off from its start to its end, also across the jobs run meanwhile.
    void setKeepAliveSuspended(bool suspended);
    bool keepAliveRunning() const;

    // Runs `job` on the worker while `form` shows modally, without keep-alives meanwhile. Refused
    // without a lease. Normally reached through LinkLease::runJob.
    JobResult runJob(TCommForm& form, const TKom::Job& job);

private:
    friend class LinkLease;
    void release(bool restartUser);
    void reportError(const std::string& message);

    QWidget* m_messageParent;
    std::unique_ptr<link::TKomunikace> m_link;
    std::unique_ptr<link::TRx> m_rx;
    TKom* m_worker = nullptr;
    QTimer* m_keepAlive = nullptr;
    std::function<void(bool)> m_lock;
    std::function<bool()> m_stopUser;
    std::function<void()> m_restartUser;
    bool m_leaseHeld = false;
    bool m_keepAliveSuspended = false;
};

} // namespace vorbix::ui

#pragma once

#include "ui/link/TKom.h"

namespace vorbix::ui {

class LinkSession;
class TCommForm;

// One communication sequence's claim on the link, taken from LinkSession::lease(). While it is held
// the communication commands are locked, the preemptible user (on-line mode) is stopped and no other
// lease is granted. Its steps run in the sequence's order; a step that fails ends the sequence, and
// the release (at the end of the scope, or release()) closes the link and unlocks the commands
// whatever happened. Only a sequence that reached its end (finish()) gives the link back to the
// preemptible user: after a failure the receiver may be gone, so on-line mode stays stopped.
// A refused lease (false) holds nothing and does nothing.
class LinkLease
{
public:
    LinkLease() = default;
    ~LinkLease() { release(); }
    LinkLease(LinkLease&& other) noexcept;
    LinkLease& operator=(LinkLease&& other) noexcept;
    LinkLease(const LinkLease&) = delete;
    LinkLease& operator=(const LinkLease&) = delete;

    explicit operator bool() const { return m_session != nullptr; }

    // Opens the link unless it is open; false when that failed (the link told the user why).
    [[nodiscard]] bool open();
    // OverHeslo: the receiver connected now is the one logged in to, with the same password.
    [[nodiscard]] bool checkReceiver();
    // Init, the login's identification: opens the link and reads the receiver's configuration.
    [[nodiscard]] bool identify();
    // Runs `job` on the worker while `form` shows modally; the job's result.
    [[nodiscard]] bool runJob(TCommForm& form, const TKom::Job& job);

    // True when taking this lease stopped the preemptible user.
    bool stoppedPreemptibleUser() const { return m_stoppedUser; }
    // The sequence reached its end: the release restarts the preemptible user it stopped.
    void finish() { m_finished = true; }
    void release();

private:
    friend class LinkSession;
    LinkLease(LinkSession& session, bool stoppedUser) : m_session(&session), m_stoppedUser(stoppedUser) {}

    LinkSession* m_session = nullptr;
    bool m_stoppedUser = false;
    bool m_finished = false;
};

} // namespace vorbix::ui

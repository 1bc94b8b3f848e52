#include "tools/vorbixctl/CtlOnline.h"

#include "core/base/TextNumbers.h"
#include "tools/vorbixctl/CtlSession.h"

#include <csignal>
#include <poll.h>
#include <pthread.h>

namespace vorbix::ctl {
namespace {

// Written by the signal handlers; the waiting thread polls its descriptor.
const online::WakePipe* g_signalPipe = nullptr;
volatile std::sig_atomic_t g_signalled = 0;

void onStopSignal(int)
{
    g_signalled = 1;
    if (g_signalPipe != nullptr) {
        g_signalPipe->wake();
    }
}

} // namespace

CtlOnline::CtlOnline(CtlSession& session) : m_session(session), m_online(session.link(), session.rx(), session.texts())
{
}

CtlOnline::~CtlOnline()
{
    m_online.stop();
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    g_signalPipe = nullptr;
}

bool CtlOnline::start(online::OnlineCallbacks callbacks)
{
    callbacks.error = [this](const std::string& text) { m_session.report(text); };
    callbacks.waitProgress = [this](const online::WaitProgress& progress) {
        if (progress.step == 0 && !progress.over) {
            m_session.reportText(lang::kOnlineNextAttempt);
        }
    };
    callbacks.ended = [this](online::EndReason) {
        m_ended = true;
        wake();
    };
    m_online.setCallbacks(std::move(callbacks));

    g_signalled = 0;
    g_signalPipe = &m_wake;
    struct sigaction action
    {
    };
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
    // The session's thread inherits a mask without the two signals, so they reach this thread,
    // which waits for them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    ::pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    const bool started = m_online.start();
    ::pthread_sigmask(SIG_UNBLOCK, &stopSignals, nullptr);
    return started;
}

CtlOnline::Outcome CtlOnline::waitUntil(const std::function<bool()>& done,
                                        std::optional<std::chrono::steady_clock::time_point> deadline)
{
    for (;;) {
        if (done()) {
            return Outcome::Done;
        }
        if (g_signalled != 0) {
            return Outcome::Signal;
        }
        if (m_ended) {
            return Outcome::Ended;
        }
        int timeout = -1;
        if (deadline) {
            const auto left =
                std::chrono::ceil<std::chrono::milliseconds>(*deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0) {
                return Outcome::Deadline;
            }
            timeout = static_cast<int>(std::min<long long>(left.count(), 60'000));
        }
        pollfd wake{m_wake.fd(), POLLIN, 0};
        if (::poll(&wake, 1, timeout) > 0) {
            m_wake.drain();
        }
    }
}

} // namespace vorbix::ctl

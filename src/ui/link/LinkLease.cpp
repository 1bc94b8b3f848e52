#include "ui/link/LinkLease.h"

#include "core/link/Komunikace.h"
#include "core/link/Rx.h"
#include "ui/link/LinkSession.h"

#include <utility>

namespace vorbix::ui {

LinkLease::LinkLease(LinkLease&& other) noexcept
    : m_session(std::exchange(other.m_session, nullptr)), m_stoppedUser(other.m_stoppedUser),
      m_finished(other.m_finished)
{
}

LinkLease& LinkLease::operator=(LinkLease&& other) noexcept
{
    if (this != &other) {
        release();
        m_session = std::exchange(other.m_session, nullptr);
        m_stoppedUser = other.m_stoppedUser;
        m_finished = other.m_finished;
    }
    return *this;
}

bool LinkLease::open()
{
    if (m_session == nullptr) {
        return false;
    }
    link::TKomunikace& link = m_session->link();
    return link.IsOpen() || link.Otevri();
}

bool LinkLease::checkReceiver()
{
    return m_session != nullptr && m_session->rx().OverHeslo();
}

bool LinkLease::identify()
{
    return m_session != nullptr && m_session->rx().Init();
}

bool LinkLease::runJob(TCommForm& form, const TKom::Job& job)
{
    return m_session != nullptr && m_session->runJob(form, job) == LinkSession::JobResult::Succeeded;
}

void LinkLease::release()
{
    if (LinkSession* session = std::exchange(m_session, nullptr)) {
        session->release(m_stoppedUser && m_finished);
    }
}

} // namespace vorbix::ui

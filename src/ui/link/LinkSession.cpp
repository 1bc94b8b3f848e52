#include "ui/link/LinkSession.h"

#include "core/link/Komunikace.h"
#include "core/link/Rx.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/QtText.h"

#include <QApplication>
#include <QThread>
#include <QTimer>

namespace vorbix::ui {
namespace {

constexpr int kKeepAliveMs = 6000;

bool onWindowThread()
{
    return QThread::currentThread() == qApp->thread();
}

} // namespace

LinkSession::LinkSession(const PopisType& lang, model::ReceiverMemory& memory, const std::string& programFolder,
                         QWidget* messageParent, QObject* parent)
    : QObject(parent), m_messageParent(messageParent)
{
    m_link = std::make_unique<link::TKomunikace>(lang);
    m_rx = std::make_unique<link::TRx>(*m_link, memory, lang, programFolder);
    const ErrorSink sink = [this](const std::string& message) { reportError(message); };
    m_link->setErrorSink(sink);
    m_rx->setErrorSink(sink);
    // While the link waits on this thread the window stays responsive and the busy window's Cancel
    // reaches the link; on the worker there is nothing to pump.
    m_link->setPump([] {
        if (onWindowThread()) {
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        }
    });

    m_worker = new TKom(this);
    m_keepAlive = new QTimer(this);
    m_keepAlive->setInterval(kKeepAliveMs);
    connect(m_keepAlive, &QTimer::timeout, this, [this] {
        if (m_link->IsOpen()) {
            m_link->KeepAlive();
        }
    });
    m_keepAlive->start();
}

LinkSession::~LinkSession()
{
    m_link->Zavri();
}

void LinkSession::setPreemptibleUser(std::function<bool()> stop, std::function<void()> restart)
{
    m_stopUser = std::move(stop);
    m_restartUser = std::move(restart);
}

void LinkSession::setCancelQuestion(std::function<bool()> ask)
{
    m_worker->setCancelQuestion(std::move(ask));
}

void LinkSession::setKeepAliveSuspended(bool suspended)
{
    m_keepAliveSuspended = suspended;
    if (suspended) {
        m_keepAlive->stop();
    } else {
        m_keepAlive->start();
    }
}

bool LinkSession::keepAliveRunning() const
{
    return m_keepAlive->isActive();
}

LinkLease LinkSession::lease()
{
    if (m_leaseHeld) {
        return {};
    }
    m_leaseHeld = true;
    if (m_lock) {
        m_lock(true);
    }
    const bool stoppedUser = stopPreemptibleUser();
    m_link->CancelRequested = false;
    return LinkLease(*this, stoppedUser);
}

bool LinkSession::stopPreemptibleUser()
{
    return m_stopUser && m_stopUser();
}

void LinkSession::release(bool restartUser)
{
    m_link->Zavri();
    m_link->CancelRequested = false;
    if (m_lock) {
        m_lock(false);
    }
    m_leaseHeld = false;
    if (restartUser && m_restartUser) {
        m_restartUser();
    }
}

LinkSession::JobResult LinkSession::runJob(TCommForm& form, const TKom::Job& job)
{
    if (!m_leaseHeld) {
        return JobResult::Refused;
    }
    // The worker owns the link while it runs: no keep-alive from this thread meanwhile.
    m_keepAlive->stop();
    const bool succeeded = m_worker->run(form, job);
    if (!m_keepAliveSuspended) {
        m_keepAlive->start();
    }
    return succeeded ? JobResult::Succeeded : JobResult::Failed;
}

void LinkSession::reportError(const std::string& message)
{
    auto show = [this, message] { Dialogs::error(m_messageParent, fromCp(message)); };
    if (onWindowThread()) {
        show();
    } else {
        // A job on the worker waits until the user has read its message.
        QMetaObject::invokeMethod(this, show, Qt::BlockingQueuedConnection);
    }
}

} // namespace vorbix::ui

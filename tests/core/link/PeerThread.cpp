#include "PeerThread.h"

#include <poll.h>
#include <unistd.h>

namespace vorbix::link::test {

PeerThread::PeerThread(int fd, Unwrap unwrap) : m_fd(fd), m_unwrap(std::move(unwrap)), m_thread([this] { run(); }) {}

PeerThread::~PeerThread()
{
    stop();
}

void PeerThread::stop()
{
    m_stop = true;
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void PeerThread::run()
{
    std::string pending;
    while (!m_stop) {
        pollfd pfd{m_fd, POLLIN, 0};
        if (::poll(&pfd, 1, 10) <= 0) {
            continue;
        }
        char chunk[512];
        const ssize_t n = ::read(m_fd, chunk, sizeof chunk);
        if (n <= 0) {
            // A pseudo-terminal master reports an error while no slave is open; wait for one.
            ::poll(nullptr, 0, 10);
            continue;
        }
        pending.append(chunk, static_cast<std::size_t>(n));
        std::string input;
        if (m_unwrap) {
            input = m_unwrap(pending);
        } else {
            input.swap(pending);
        }
        std::string answer;
        {
            const std::lock_guard lock(m_mutex);
            answer = m_receiver.feed(input);
        }
        std::size_t done = 0;
        while (done < answer.size()) {
            const ssize_t w = ::write(m_fd, answer.data() + done, answer.size() - done);
            if (w <= 0) {
                break;
            }
            done += static_cast<std::size_t>(w);
        }
    }
}

} // namespace vorbix::link::test

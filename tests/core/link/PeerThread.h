#pragma once

#include "FakeReceiver.h"

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace vorbix::link::test {

// Plays a FakeReceiver on a descriptor in a thread: everything read from `fd` is fed to the
// receiver and its answers are written back. `unwrap` turns the raw bytes into what the receiver
// gets (it may keep an unfinished part in its buffer argument); by default bytes go through as
// they are. Configure the receiver through `with`, never directly while the thread runs.
class PeerThread
{
public:
    using Unwrap = std::function<std::string(std::string& pending)>;

    PeerThread(int fd, Unwrap unwrap = {});
    ~PeerThread();
    PeerThread(const PeerThread&) = delete;
    PeerThread& operator=(const PeerThread&) = delete;

    template <typename F> auto with(F&& f)
    {
        const std::lock_guard lock(m_mutex);
        return f(m_receiver);
    }

    // Ends the thread; after that the receiver may be read freely.
    void stop();
    FakeReceiver& receiver() { return m_receiver; }

private:
    void run();

    int m_fd;
    Unwrap m_unwrap;
    FakeReceiver m_receiver;
    std::mutex m_mutex;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

} // namespace vorbix::link::test

#pragma once

namespace vorbix::online {

// A self-pipe that wakes a thread blocked in poll(): any thread (or a signal handler) calls wake(),
// the waiting thread polls fd() and calls drain() when it became readable.
class WakePipe
{
public:
    WakePipe();
    ~WakePipe();
    WakePipe(const WakePipe&) = delete;
    WakePipe& operator=(const WakePipe&) = delete;

    bool valid() const { return m_fds[0] >= 0; }
    int fd() const { return m_fds[0]; }
    void wake() const;
    void drain() const;

private:
    int m_fds[2] = {-1, -1};
};

} // namespace vorbix::online

#include "tools/rxsim/SimLinePacer.h"

#include <algorithm>

namespace vorbix::rxsim {

SimLinePacer::Clock::duration SimLinePacer::characterTime() const
{
    return std::chrono::duration_cast<Clock::duration>(std::chrono::nanoseconds(10'000'000'000LL / m_baud));
}

void SimLinePacer::push(std::string_view bytes, TimePoint now)
{
    // A character has arrived at the other end once its last bit is on the line.
    if (m_baud != 0 && m_queue.empty()) {
        m_lineFreeAt = std::max(m_lineFreeAt, now + characterTime());
    }
    m_queue.append(bytes);
}

std::string SimLinePacer::take(TimePoint now)
{
    if (m_baud == 0) {
        std::string all;
        all.swap(m_queue);
        return all;
    }
    std::size_t count = 0;
    while (count < m_queue.size() && m_lineFreeAt <= now) {
        m_lineFreeAt += characterTime();
        ++count;
    }
    std::string due = m_queue.substr(0, count);
    m_queue.erase(0, count);
    return due;
}

std::optional<SimLinePacer::TimePoint> SimLinePacer::nextDeadline() const
{
    if (m_queue.empty()) {
        return std::nullopt;
    }
    return m_baud == 0 ? TimePoint{} : m_lineFreeAt;
}

} // namespace vorbix::rxsim

#include "tools/rxsim/SimEventRate.h"

namespace vorbix::rxsim {

void SimEventRate::start(double perSecond, unsigned count, std::string command, unsigned seed, TimePoint now)
{
    m_perSecond = perSecond;
    m_count = count;
    m_command = std::move(command);
    m_random.seed(seed);
    m_start = now;
    m_sent = 0;
}

SimEventRate::TimePoint SimEventRate::dueAt(std::uint64_t index) const
{
    return m_start + std::chrono::duration_cast<std::chrono::nanoseconds>(
                         std::chrono::duration<double>(static_cast<double>(index) / m_perSecond));
}

std::optional<SimEventRate::TimePoint> SimEventRate::nextDeadline() const
{
    if (m_perSecond <= 0 || (m_count != 0 && m_sent >= m_count)) {
        return std::nullopt;
    }
    return dueAt(m_sent + 1);
}

std::string SimEventRate::next()
{
    if (!m_command.empty()) {
        return m_command;
    }
    std::uniform_int_distribution<int> serial(0, 99999);
    std::uniform_int_distribution<int> button(1, 4);
    std::string digits = std::to_string(serial(m_random));
    digits.insert(0, 5 - digits.size(), '0');
    return "press 01" + digits + " " + std::to_string(button(m_random));
}

std::vector<std::string> SimEventRate::due(TimePoint now)
{
    std::vector<std::string> commands;
    while (const std::optional<TimePoint> at = nextDeadline()) {
        if (*at > now) {
            break;
        }
        commands.push_back(next());
        ++m_sent;
    }
    return commands;
}

} // namespace vorbix::rxsim

#include "tools/rxsim/SimScript.h"

namespace vorbix::rxsim {

bool SimScript::parse(const std::vector<std::string>& lines, std::string& error)
{
    m_steps.clear();
    std::chrono::milliseconds pending{0};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string line = lines[i];
        const std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') {
            continue;
        }
        line = line.substr(first);
        if (line.starts_with("sleep")) {
            const std::string value = line.substr(5);
            const std::size_t digits = value.find_first_not_of(" \t");
            if (digits == std::string::npos || value.find_first_not_of("0123456789", digits) != std::string::npos ||
                value.size() - digits > 9) {
                error = "line " + std::to_string(i + 1) + ": expected sleep MS";
                return false;
            }
            pending += std::chrono::milliseconds(std::stol(value.substr(digits)));
            continue;
        }
        m_steps.push_back({pending, line});
        pending = std::chrono::milliseconds(0);
    }
    return true;
}

void SimScript::start(TimePoint now)
{
    m_started = true;
    m_next = 0;
    if (!m_steps.empty()) {
        m_nextAt = now + m_steps[0].delay;
    }
}

std::vector<std::string> SimScript::due(TimePoint now)
{
    std::vector<std::string> commands;
    while (m_started && m_next < m_steps.size() && m_nextAt <= now) {
        commands.push_back(m_steps[m_next].command);
        ++m_next;
        if (m_next < m_steps.size()) {
            m_nextAt += m_steps[m_next].delay;
        }
    }
    return commands;
}

std::optional<SimScript::TimePoint> SimScript::nextDeadline() const
{
    if (!m_started || m_next >= m_steps.size()) {
        return std::nullopt;
    }
    return m_nextAt;
}

} // namespace vorbix::rxsim

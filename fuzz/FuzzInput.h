#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vorbix::fuzz {

// The fuzz input taken from the front, piece by piece. Once it is used up every byte reads as 0 and
// every piece as empty, so a harness can go on asking without checking.
class FuzzInput
{
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : m_rest(reinterpret_cast<const char*>(data), size) {}

    bool empty() const { return m_rest.empty(); }
    std::size_t size() const { return m_rest.size(); }

    std::uint8_t byte()
    {
        if (m_rest.empty()) {
            return 0;
        }
        const auto value = static_cast<std::uint8_t>(m_rest.front());
        m_rest.remove_prefix(1);
        return value;
    }

    // At most `count` bytes.
    std::string_view take(std::size_t count)
    {
        const std::string_view piece = m_rest.substr(0, count);
        m_rest.remove_prefix(piece.size());
        return piece;
    }

    // Up to the next '\n' (which is dropped), or the rest.
    std::string_view line()
    {
        const std::size_t end = m_rest.find('\n');
        const std::string_view piece = m_rest.substr(0, end);
        m_rest.remove_prefix(end == std::string_view::npos ? m_rest.size() : end + 1);
        return piece;
    }

    std::string_view rest()
    {
        const std::string_view piece = m_rest;
        m_rest = {};
        return piece;
    }

private:
    std::string_view m_rest;
};

} // namespace vorbix::fuzz

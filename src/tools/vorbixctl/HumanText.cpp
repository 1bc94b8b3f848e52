#include "tools/vorbixctl/HumanText.h"

#include "core/text/Cp1250.h"

#include <ostream>

namespace vorbix::tools {
namespace {

bool isC0OrDelete(unsigned char c)
{
    return c < 0x20 || c == 0x7F;
}

// The cp1250 bytes with no letter of their own; they convert to the C1 controls U+0081 and so on.
bool isCp1250Control(unsigned char c)
{
    return c == 0x81 || c == 0x83 || c == 0x88 || c == 0x90 || c == 0x98;
}

} // namespace

std::string humanText(const std::string& cp1250Text)
{
    std::string shown = cp1250Text;
    for (char& c : shown) {
        const auto byte = static_cast<unsigned char>(c);
        if (isC0OrDelete(byte) || isCp1250Control(byte)) {
            c = '?';
        }
    }
    return cp1250::toUtf8(shown);
}

bool TerminalSafeBuffer::put(unsigned char c)
{
    if (m_afterLeadC2) {
        m_afterLeadC2 = false;
        if (c >= 0x80 && c <= 0x9F) {
            return m_target->sputc('?') != traits_type::eof();
        }
        if (m_target->sputc(static_cast<char>(0xC2)) == traits_type::eof()) {
            return false;
        }
    }
    if (c == 0xC2) {
        m_afterLeadC2 = true;
        return true;
    }
    const bool layout = c == '\n' || c == '\t' || c == '\r';
    const char shown = isC0OrDelete(c) && !layout ? '?' : static_cast<char>(c);
    return m_target->sputc(shown) != traits_type::eof();
}

TerminalSafeBuffer::int_type TerminalSafeBuffer::overflow(int_type c)
{
    if (traits_type::eq_int_type(c, traits_type::eof())) {
        return traits_type::not_eof(c);
    }
    const std::lock_guard lock(m_mutex);
    return put(static_cast<unsigned char>(traits_type::to_char_type(c))) ? c : traits_type::eof();
}

std::streamsize TerminalSafeBuffer::xsputn(const char* text, std::streamsize count)
{
    const std::lock_guard lock(m_mutex);
    std::streamsize done = 0;
    while (done < count && put(static_cast<unsigned char>(text[done]))) {
        ++done;
    }
    return done;
}

int TerminalSafeBuffer::sync()
{
    // A lead byte still waiting is sent, so nothing is held back past a flush.
    const std::lock_guard lock(m_mutex);
    if (m_afterLeadC2) {
        m_afterLeadC2 = false;
        m_target->sputc(static_cast<char>(0xC2));
    }
    return m_target->pubsync();
}

TerminalSafeStream::TerminalSafeStream(std::ostream& stream)
    : m_stream(stream), m_original(stream.rdbuf()), m_buffer(m_original)
{
    m_stream.rdbuf(&m_buffer);
}

TerminalSafeStream::~TerminalSafeStream()
{
    m_stream.flush();
    m_stream.rdbuf(m_original);
}

} // namespace vorbix::tools

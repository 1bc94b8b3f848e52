#pragma once

#include <mutex>
#include <streambuf>
#include <string>

// Human output: texts from files and from the receiver may hold any byte, and a tab would split a
// tab-separated line while an escape sequence would drive the terminal. JSON output escapes them.
namespace vorbix::tools {

// A cp1250 text as UTF-8 with every control character (tab, line breaks, escape, DEL and the
// bytes that convert to C1 controls) shown as "?".
std::string humanText(const std::string& cp1250Text);

// Passes UTF-8 text on to another buffer, showing control characters as "?": all but the tab, the
// line feed and the carriage return that the commands' own layout uses. Installed on standard
// output and standard error, it keeps whatever a message quotes from a file from reaching the
// terminal as a control sequence.
class TerminalSafeBuffer : public std::streambuf
{
public:
    explicit TerminalSafeBuffer(std::streambuf* target) : m_target(target) {}

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override;

private:
    bool put(unsigned char c);

    std::streambuf* m_target;
    std::mutex m_mutex;         // the on-line commands print from their session thread too
    bool m_afterLeadC2 = false; // the byte before was 0xC2, which starts the C1 controls in UTF-8
};

// Installs a TerminalSafeBuffer on a stream for the life of the object, and puts the old buffer
// back (flushed) when it goes.
class TerminalSafeStream
{
public:
    explicit TerminalSafeStream(std::ostream& stream);
    ~TerminalSafeStream();
    TerminalSafeStream(const TerminalSafeStream&) = delete;
    TerminalSafeStream& operator=(const TerminalSafeStream&) = delete;

private:
    std::ostream& m_stream;
    std::streambuf* m_original;
    TerminalSafeBuffer m_buffer;
};

} // namespace vorbix::tools

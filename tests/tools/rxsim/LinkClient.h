#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

namespace vorbix::rxsim::test {

// The program's side of the line, as the link layer sends: the plain serial variant with its
// wake-up, the dump variant, and TCP (raw or framed). Every wait is bounded by the per-character
// time-out, so a silent simulator makes a test fail instead of hang.
class LinkClient
{
public:
    enum class Variant
    {
        Plain,
        Dump,
        Tcp,
    };

    LinkClient(int fd, Variant variant, bool framed = false,
               std::chrono::milliseconds timeout = std::chrono::milliseconds(500));

    // Sends the connect frame a TCP link sends once connected.
    void connectFrame();
    // The keep-alive of a TCP link.
    void keepAlive();

    // Sends a command record, adds the checksum and checks the echo, with retries.
    bool posliPrikaz(const std::string& record);
    int lastError() const { return m_lastError; }
    // LastError of every attempt of the last posliPrikaz.
    const std::vector<int>& attemptErrors() const { return m_attemptErrors; }

    bool prijemDat(std::size_t count, std::string& text);
    // Reads n bytes with a type-1, 7 or 9 read request; the data as 2n hex digits.
    bool readBlock(char type, unsigned address, unsigned count, std::string& data);
    // A dump read of the memory from `start` to `memEnd`, resuming where a bad line broke it off;
    // `requests` counts the dump requests sent.
    bool dumpRead(unsigned start, unsigned memEnd, std::string& image, int& requests);

    // One character within `timeout`; false when none came.
    bool readChar(char& c, std::chrono::milliseconds timeout);
    void sendRaw(std::string_view bytes);
    // Bytes that arrive until the line has been quiet for `quiet`.
    std::string drain(std::chrono::milliseconds quiet);

private:
    bool sendPlain(const std::string& record);
    bool sendBlocked(const std::string& record, int attempts);
    void purgeInput();
    void purgeOutput();
    bool waitForColon(std::string& reply);

    int m_fd;
    Variant m_variant;
    bool m_framed;
    std::chrono::milliseconds m_timeout;
    int m_lastError = 0;
    std::vector<int> m_attemptErrors;
};

// Bytes of a text as hex digit pairs, and back to text as the program shows it (00 and FF blank,
// trailing blanks cut).
std::string hexToText(const std::string& hex);

} // namespace vorbix::rxsim::test

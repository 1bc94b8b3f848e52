#include "tools/rxsim/LinkClient.h"

#include "core/link/Checksum.h"

#include <cerrno>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace vorbix::rxsim::test {
namespace {

using namespace std::chrono_literals;

bool isSocket(int fd)
{
    struct stat info
    {
    };
    return ::fstat(fd, &info) == 0 && S_ISSOCK(info.st_mode);
}

} // namespace

LinkClient::LinkClient(int fd, Variant variant, bool framed, std::chrono::milliseconds timeout)
    : m_fd(fd), m_variant(variant), m_framed(framed), m_timeout(timeout)
{
}

void LinkClient::connectFrame()
{
    sendRaw(std::string("\x04\x00\x07\x00", 4));
}

void LinkClient::keepAlive()
{
    sendRaw(m_framed ? std::string("\x06\x00\x06\x00\x01S", 6) : std::string("S"));
}

bool LinkClient::readChar(char& c, std::chrono::milliseconds timeout)
{
    pollfd p{m_fd, POLLIN, 0};
    if (::poll(&p, 1, static_cast<int>(timeout.count())) <= 0) {
        return false;
    }
    return ::read(m_fd, &c, 1) == 1;
}

void LinkClient::sendRaw(std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = isSocket(m_fd) ? ::send(m_fd, bytes.data(), bytes.size(), MSG_NOSIGNAL)
                                         : ::write(m_fd, bytes.data(), bytes.size());
        if (n <= 0) {
            return;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
}

std::string LinkClient::drain(std::chrono::milliseconds quiet)
{
    std::string bytes;
    char c = 0;
    while (readChar(c, quiet)) {
        bytes += c;
    }
    return bytes;
}

void LinkClient::purgeInput()
{
    if (isSocket(m_fd)) {
        drain(0ms); // the TCP link clears its receive buffer
    } else {
        ::tcflush(m_fd, TCIFLUSH);
    }
}

void LinkClient::purgeOutput()
{
    if (!isSocket(m_fd)) {
        ::tcflush(m_fd, TCOFLUSH);
    }
}

bool LinkClient::waitForColon(std::string& reply)
{
    char c = 0;
    while (readChar(c, m_timeout)) {
        if (c == ':') {
            reply = ":";
            return true;
        }
    }
    return false;
}

bool LinkClient::posliPrikaz(const std::string& record)
{
    m_attemptErrors.clear();
    switch (m_variant) {
    case Variant::Plain:
        return sendPlain(record);
    case Variant::Dump:
        return sendBlocked(record, 8);
    case Variant::Tcp:
        return sendBlocked(record, 2);
    }
    return false;
}

bool LinkClient::sendPlain(const std::string& record)
{
    const char type = record[8];
    const bool lineEnd = type == '1' || type == '7' || type == '9' || type == 'B';
    const std::size_t extra = lineEnd ? 4 : 5;
    for (int attempt = 1; attempt <= 3; ++attempt) {
        m_lastError = 0;
        std::string reply;
        purgeInput();
        bool woke = false;
        for (int wake = 1; wake <= 9 && !woke; ++wake) {
            if (wake == 5) {
                sendRaw("\xAA\xAA\xAA");
            }
            sendRaw(wake <= 2 ? "U" : "UUU");
            char c = 0;
            while (!woke && readChar(c, m_timeout)) {
                woke = c == 'U';
            }
        }
        purgeInput();
        if (!woke) {
            m_lastError = 1;
        }
        if (m_lastError == 0) {
            const std::string text = record + link::Checksum(record) + (lineEnd ? "\r\n" : "");
            for (char c : text) {
                sendRaw(std::string_view(&c, 1));
            }
            if (!waitForColon(reply)) {
                m_lastError = 1;
            }
        }
        char c = 0;
        while (m_lastError == 0 && reply.size() < record.size() + extra) {
            if (!readChar(c, m_timeout)) {
                m_lastError = 2;
            } else {
                reply += c;
            }
        }
        if (m_lastError == 0) {
            if (reply.compare(0, record.size() + 2, record + link::Checksum(record)) != 0) {
                m_lastError = 3;
            } else if (reply[record.size() + 2] == 'R') {
                m_lastError = 5;
            } else if (reply[record.size() + 2] == 'X') {
                m_lastError = 4;
            }
        }
        m_attemptErrors.push_back(m_lastError);
        if (m_lastError == 0) {
            return true;
        }
        std::this_thread::sleep_for(200ms);
        purgeInput();
        purgeOutput();
    }
    return false;
}

bool LinkClient::sendBlocked(const std::string& record, int attempts)
{
    const char type = record[8];
    const bool read = type == '1' || type == '7' || type == '9';
    const std::string text = record + link::Checksum(record) + (read ? "\r\n" : "");
    const std::size_t extra = read ? 0 : 3;
    for (int attempt = 1; attempt <= attempts; ++attempt) {
        m_lastError = 0;
        std::string reply;
        if (m_variant == Variant::Tcp) {
            purgeInput();
            std::string message;
            if (m_framed) {
                const std::size_t n = 3 + text.size();
                message = {static_cast<char>((n + 5) & 0xFF), '\0', '\x06', '\0', static_cast<char>(n)};
            }
            sendRaw(message + "UUU" + text);
        } else {
            purgeOutput();
            sendRaw("UUU");
            purgeInput();
            sendRaw(text);
        }
        if (!waitForColon(reply)) {
            m_lastError = 1;
        }
        char c = 0;
        while (m_lastError == 0 && reply.size() < text.size() + extra) {
            if (!readChar(c, m_timeout)) {
                m_lastError = 2;
            } else if (c != 'U' && c != 'R') {
                reply += c;
            }
        }
        if (m_lastError == 0) {
            if (reply.compare(0, text.size(), text) != 0) {
                m_lastError = 3;
            } else if (extra > 0 && reply[text.size()] == 'R') {
                m_lastError = 5;
            } else if (extra > 0 && reply[text.size()] == 'X') {
                m_lastError = 4;
            }
        }
        m_attemptErrors.push_back(m_lastError);
        if (m_lastError == 0) {
            return true;
        }
        std::this_thread::sleep_for(200ms);
        purgeInput();
        purgeOutput();
        if (m_variant == Variant::Dump && attempt == 3) {
            sendRaw("\xAA\xAA\xAA");
        }
    }
    return false;
}

bool LinkClient::prijemDat(std::size_t count, std::string& text)
{
    text.clear();
    char c = 0;
    while (text.size() < count) {
        if (!readChar(c, m_timeout)) {
            text.clear();
            return false;
        }
        text += c;
    }
    return true;
}

bool LinkClient::readBlock(char type, unsigned address, unsigned count, std::string& data)
{
    const std::string record =
        std::string(":0500000") + type + link::HexWord(address) + link::HexWord(address + count - 1) + "00";
    for (int attempt = 1; attempt <= 3; ++attempt) {
        std::string reply;
        if (posliPrikaz(record) && prijemDat(2 * count + 8, reply) && reply[2 * count + 5] == '\r' &&
            reply[2 * count + 6] == '\n') {
            data = reply.substr(5, 2 * count);
            return true;
        }
    }
    return false;
}

bool LinkClient::dumpRead(unsigned start, unsigned memEnd, std::string& image, int& requests)
{
    image.clear();
    unsigned p = start;
    requests = 0;
    for (int request = 1; request <= 5 && p <= memEnd; ++request) {
        ++requests;
        if (!posliPrikaz(":05000009" + link::HexWord(p) + link::HexWord(memEnd) + "00")) {
            continue;
        }
        std::string line;
        while (p <= memEnd) {
            if (!prijemDat(39, line) || line.substr(37, 2) != "\r\n" || line.substr(0, 4) != link::HexWord(p)) {
                break;
            }
            image += line.substr(5, 32);
            p += 16;
        }
    }
    return p > memEnd;
}

std::string hexToText(const std::string& hex)
{
    std::string text;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        unsigned value = 0;
        static_cast<void>(link::ParseHex(hex.substr(i, 2), value));
        text += value == 0x00 || value == 0xFF ? ' ' : static_cast<char>(value);
    }
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

} // namespace vorbix::rxsim::test

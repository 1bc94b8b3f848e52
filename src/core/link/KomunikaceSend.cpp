// The three ways a command record goes out: plain serial with a wake-up, serial for dump reads,
// and TCP through a gateway.
#include "core/base/TextNumbers.h"
#include "core/link/ByteTransport.h"
#include "core/link/Checksum.h"
#include "core/link/GatewayFrame.h"
#include "core/link/Komunikace.h"

namespace vorbix::link {
namespace {

constexpr int kCancelled = -1;
constexpr std::string_view kResync("\xAA\xAA\xAA");

// Record type: the second digit of the type field (characters 8-9 of the record).
char recordType(std::string_view record)
{
    return record.size() > 8 ? record[8] : '\0';
}

// The read requests, which the receiver expects to end with CR LF.
bool isReadRequest(char type)
{
    return type == '1' || type == '7' || type == '9';
}

} // namespace

bool TKomunikace::PosliPrikaz(std::string_view record)
{
    const std::lock_guard lock(m_io);
    m_busy = true;
    bool sent = false;
    if (Settings.ConnectionType == ConnectionKind::ComPort) {
        sent = Settings.DumpRead ? sendDump(record) : sendPlain(record);
    } else if (Settings.ConnectionType == ConnectionKind::TcpIp) {
        sent = sendTcp(record);
    }
    m_busy = false;
    return sent;
}

int TKomunikace::collectEcho(const std::string& expected, std::size_t length, bool skipWakeUps, bool honourCancel)
{
    // Whatever came before the ':' (wake-up answers, leftovers of an earlier attempt) is dropped.
    char c = 0;
    do {
        const Wait wait = readChar(c, charDeadline(), honourCancel);
        if (wait == Wait::Cancelled) {
            return kCancelled;
        }
        if (wait == Wait::TimedOut) {
            return 1;
        }
    } while (c != ':');

    std::string reply(1, ':');
    while (reply.size() < length) {
        if (readChar(c, charDeadline(), false) != Wait::Got) {
            return 2;
        }
        if (skipWakeUps && (c == 'U' || c == 'R')) {
            continue;
        }
        reply += c;
    }
    if (reply.compare(0, expected.size(), expected) != 0) {
        return 3;
    }
    if (reply.size() > expected.size()) {
        if (reply[expected.size()] == 'R') {
            return 5;
        }
        if (reply[expected.size()] == 'X') {
            return 4;
        }
    }
    return 0;
}

bool TKomunikace::sendPlain(std::string_view record)
{
    if (!m_transport) {
        reportError(LangText(m_languageTable, lang::kNotConnected));
        return false;
    }
    const char type = recordType(record);
    const bool lineEnd = isReadRequest(type) || type == 'B';
    const std::string echo = std::string(record) + Checksum(record);
    const std::string text = echo + (lineEnd ? "\r\n" : "");
    const std::size_t length = record.size() + (lineEnd ? 4 : 5);

    for (int attempt = 1; attempt <= 3; ++attempt) {
        m_lastError = 0;
        purgeInput();

        // Wake the receiver: it answers 'U' once it listens. The AA bytes before the fifth try
        // bring a receiver that lost the character framing back in step.
        bool awake = false;
        for (int wakeUp = 1; wakeUp <= 9 && !awake; ++wakeUp) {
            if (wakeUp == 5) {
                sendBytes(kResync);
            }
            sendBytes(wakeUp <= 2 ? "U" : "UUU");
            const auto deadline = charDeadline();
            char c = 0;
            for (;;) {
                const Wait wait = readChar(c, deadline, true);
                if (wait == Wait::Cancelled) {
                    m_lastError = 0;
                    return false;
                }
                if (wait == Wait::TimedOut || c == 'U') {
                    awake = wait == Wait::Got;
                    break;
                }
            }
        }
        purgeInput();

        int error = awake ? 0 : 1;
        if (error == 0) {
            sendBytes(text);
            error = collectEcho(echo, length, false, false);
        }
        m_lastError = error;
        if (error == 0) {
            return true;
        }
        pause(m_timings.retryPause);
        purgeInput();
        purgeOutput();
    }
    return false;
}

bool TKomunikace::sendDump(std::string_view record)
{
    if (!m_transport) {
        reportError(LangText(m_languageTable, lang::kNotConnected));
        return false;
    }
    const bool lineEnd = isReadRequest(recordType(record));
    const std::string text = std::string(record) + Checksum(record) + (lineEnd ? "\r\n" : "");
    const std::size_t length = text.size() + (lineEnd ? 0 : 3);

    for (int attempt = 1; attempt <= 8; ++attempt) {
        m_lastError = 0;
        purgeOutput();
        sendBytes("UUU");
        purgeInput();
        sendBytes(text);
        const int error = collectEcho(text, length, true, true);
        if (error == kCancelled) {
            m_lastError = 0;
            return false;
        }
        m_lastError = error;
        if (error == 0) {
            return true;
        }
        pause(m_timings.retryPause);
        purgeInput();
        purgeOutput();
        if (attempt == 3) {
            sendBytes(kResync);
        }
    }
    return false;
}

bool TKomunikace::sendTcp(std::string_view record)
{
    if (!m_transport || !m_transport->isConnected()) {
        reportError(LangText(m_languageTable, lang::kNotConnected));
        return false;
    }
    const bool lineEnd = isReadRequest(recordType(record));
    const std::string text = std::string(record) + Checksum(record) + (lineEnd ? "\r\n" : "");
    const std::size_t length = text.size() + (lineEnd ? 0 : 3);
    const std::string message = "UUU" + text;
    const std::string block = framed() ? PassThroughFrame(message) : message;

    for (int attempt = 1; attempt <= 2; ++attempt) {
        m_lastError = 0;
        purgeInput();
        sendBytes(block);
        const int error = collectEcho(text, length, true, true);
        if (error == kCancelled) {
            m_lastError = 0;
            return false;
        }
        m_lastError = error;
        if (error == 0) {
            return true;
        }
        pause(m_timings.retryPause);
        purgeInput();
    }
    return false;
}

} // namespace vorbix::link

#pragma once

#include "core/base/LanguageTable.h"
#include "core/link/ConnectionSettings.h"
#include "core/link/ConnectionSetup.h"
#include "core/link/IcmpEcho.h"
#include "core/link/LinkTimings.h"
#include "core/link/Serial.h"

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace vorbix {
class Clock;
}

namespace vorbix::link {

class ByteTransport;

// The one link to a receiver, over a COM port or a TCP connection to a network gateway.
// Commands go out with their checksum and are acknowledged by the receiver's echo.
//
// Threads: the owner's thread opens and closes the link and calls KeepAlive; a worker may run
// PosliPrikaz/PrijemDat/JeEcho meanwhile. Those calls are serialised, and KeepAlive is skipped
// while one of them runs. CancelRequested may be set from any thread. The pump runs on the thread
// that is waiting; it must not call Otevri, Zavri or NastavIni.
class TKomunikace
{
public:
    // Keeps a reference to the language table for its error texts.
    explicit TKomunikace(const PopisType& languageTable);
    ~TKomunikace();
    TKomunikace(const TKomunikace&) = delete;
    TKomunikace& operator=(const TKomunikace&) = delete;

    // Read and written by the settings, the setup dialog, the welcome screen and the login.
    // Changes take effect at the next Otevri; call NastavIni to refresh ConnectionText.
    ConnectionSettings Settings;
    // The "SerialPorts" settings section: which device a COM number opens.
    SerialPortMap SerialPorts;
    // Set by the busy window's Cancel button; ends the waits that honour it (see LastError 0).
    std::atomic<bool> CancelRequested{false};

    // Opens the link of Settings.ConnectionType. False when it is open already, when the port or
    // the connection cannot be had (the error sink tells the user why), or for another type.
    [[nodiscard]] bool Otevri();
    // Opens the link over a transport that is connected already (tests, an in-process receiver).
    // The variant still follows Settings; no settling pause, ICMP check or connect frame.
    [[nodiscard]] bool openWith(std::unique_ptr<ByteTransport> transport);
    // Closes whatever is open; does nothing when closed.
    void Zavri();

    // Sends one command record (":" + upper-case hex, record type in characters 8-9) with its
    // checksum and the line end its type needs, and checks the echo; retries as the variant
    // allows. True when the receiver acknowledged it; otherwise LastError says why.
    [[nodiscard]] bool PosliPrikaz(std::string_view record);
    // Collects exactly `count` further characters, each within the receive time-out. On a
    // time-out `text` is empty and the result false.
    [[nodiscard]] bool PrijemDat(int count, std::string& text);
    // Takes one character that has arrived, never waiting; false and 0 when there is none.
    [[nodiscard]] bool JeEcho(char& c);
    // To be called every 6 s while the link is open and idle. Over TCP it sends the keep-alive
    // and closes the link when the connection is gone; otherwise, or while a command runs, it
    // does nothing.
    void KeepAlive();

    // Rebuilds ConnectionText from Settings.
    void NastavIni();
    // The setup dialog's port list: the COM ports 1..32 that can be opened now. The dialog itself
    // (Nastav) closes the link first, shows FormFromSettings(Settings), accepts through
    // CheckSetup(form, Settings) and then calls NastavIni.
    std::vector<SerialPortEntry> InitForm() const { return ListSerialPorts(SerialPorts); }

    bool IsOpen() const { return m_isOpen; }
    // Open and, over TCP, still connected: false once the gateway has dropped the connection, so
    // a caller can stop retrying a command that can no longer get through.
    [[nodiscard]] bool isConnected();
    // Result of the last PosliPrikaz: 0 success or cancelled, 1 no wake-up answer or no ':',
    // 2 echo incomplete, 3 echo differs, 4 'X' after the echo, 5 'R' after the echo.
    int LastError() const { return m_lastError; }
    const std::string& ConnectionText() const { return m_connectionText; }

    // Where failures for the user go (error box with caption "Vorbix", or stderr).
    void setErrorSink(ErrorSink sink) { m_errorSink = std::move(sink); }
    const ErrorSink& errorSink() const { return m_errorSink; }
    // The open link's descriptor, for a caller that waits with poll() for spontaneous characters;
    // -1 when closed or when the transport has none. Characters may already wait in the link's
    // own buffer (left behind a reply): take them with JeEcho until it is false before waiting.
    [[nodiscard]] int descriptor();
    // Runs between polls while the link waits, e.g. to process window events.
    void setPump(std::function<void()> pump) { m_pump = std::move(pump); }
    void setClock(Clock& clock) { m_clock = &clock; }
    void setTimings(const LinkTimings& timings) { m_timings = timings; }
    // The reachability check before a TCP connect; by default PingOnce.
    void setPinger(std::function<PingResult(const std::string& address)> pinger) { m_pinger = std::move(pinger); }

private:
    enum class Kind
    {
        None,
        Serial,
        Tcp,
    };
    enum class Wait
    {
        Got,
        TimedOut,
        Cancelled,
    };

    bool openSerial();
    bool openTcp();
    void closeLocked();

    bool sendPlain(std::string_view record);
    bool sendDump(std::string_view record);
    bool sendTcp(std::string_view record);
    // After the text went out: waits for ':', collects the reply up to `length` characters
    // (without 'U' and 'R' when `skipWakeUps`), compares its start with `expected` and looks at
    // the character after it. The LastError code, or -1 when cancelled.
    int collectEcho(const std::string& expected, std::size_t length, bool skipWakeUps, bool honourCancel);

    // Reads one character, waiting until `deadline`.
    Wait readChar(char& c, std::chrono::steady_clock::time_point deadline, bool honourCancel);
    std::chrono::steady_clock::time_point charDeadline() const;
    bool popReceived(char& c);
    void fillReceived();
    void clearReceived();
    void purgeInput();
    void purgeOutput();
    bool sendBytes(std::string_view bytes);
    void pause(std::chrono::milliseconds duration);
    void pumpEvents();
    void reportError(const std::string& message) const;
    void noteDisconnected();
    // The connection goes to a gateway that takes framed data (IsFramedPort).
    bool framed() const;

    const PopisType& m_languageTable;
    ErrorSink m_errorSink;
    std::function<void()> m_pump;
    std::function<PingResult(const std::string&)> m_pinger;
    Clock* m_clock;
    LinkTimings m_timings;

    std::unique_ptr<ByteTransport> m_transport;
    Kind m_kind = Kind::None;
    std::atomic<bool> m_isOpen{false};
    std::atomic<int> m_lastError{0};
    std::string m_connectionText;

    // What arrived and was not taken yet; appended to, never overwritten.
    std::string m_received;
    std::size_t m_receivedPos = 0;
    bool m_disconnectReported = false;

    // Serialises the sending and receiving calls; m_busy lets KeepAlive skip instead of waiting,
    // also when the pump of a running command calls it on the same thread.
    std::mutex m_io;
    std::atomic<bool> m_busy{false};
};

} // namespace vorbix::link

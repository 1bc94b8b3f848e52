#pragma once

#include "FakeReceiver.h"
#include "MemoryTransport.h"

#include "core/link/Komunikace.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace vorbix::link::test {

// Records the link tests send: a read of 16 bytes from 0100, and an erase of the block at 0F00.
inline const std::string kStatusRead = ":05000007"
                                       "0100"
                                       "010F"
                                       "00";
inline const std::string kErase = ":0300000401"
                                  "0F00";

// Language texts "text 0" ... "text 199", so a message names the text it came from.
inline vorbix::PopisType numberedTexts()
{
    vorbix::PopisType texts;
    for (int i = 0; i < 200; ++i) {
        texts.push_back("text " + std::to_string(i));
    }
    return texts;
}

// A link over an in-memory receiver with the program's own timings on a fake clock.
class LinkFixture : public ::testing::Test
{
protected:
    LinkFixture()
    {
        link.setClock(clock);
        link.setErrorSink([this](const std::string& message) { errors.push_back(message); });
    }

    // type 0 = COM port, 1 = TCP; `port` is the remote TCP port (5000 for framed mode).
    void open(int type, bool dumpRead = false, int port = 0)
    {
        link.Settings.ConnectionType = static_cast<ConnectionKind>(type);
        link.Settings.DumpRead = dumpRead;
        auto memory = std::make_unique<MemoryTransport>(receiver, clock, port);
        transport = memory.get();
        ASSERT_TRUE(link.openWith(std::move(memory)));
    }

    std::chrono::milliseconds elapsedSince(Clock::TimePoint start) const
    {
        return std::chrono::duration_cast<std::chrono::milliseconds>(clock.now() - start);
    }

    vorbix::PopisType texts = numberedTexts();
    FakeClock clock;
    FakeReceiver receiver;
    TKomunikace link{texts};
    MemoryTransport* transport = nullptr;
    std::vector<std::string> errors;
};

} // namespace vorbix::link::test

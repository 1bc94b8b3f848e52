#pragma once

#include "core/link/Komunikace.h"
#include "core/link/Rx.h"
#include "core/model/TDataSet.h"
#include "support/TempFolder.h"
#include "tools/rxsim/SimProcess.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace vorbix::link::test {

// The four ways the program reaches a receiver.
enum class Line
{
    PlainPty,  // serial, 16-byte reads with the wake-up
    DumpPty,   // serial, dump reads
    TcpRaw,    // a gateway on a free loopback port
    TcpFramed, // a gateway on port 5000 of a loopback address of the test's own, framed input
};

std::string lineName(Line line);

// vorbix-rxsim as the receiver (a model of the shipped Rx.def, a small memory), the link to it
// with short time-outs, and the receiver object over a shared memory. Messages, progress values
// and the LastError codes of failed attempts are collected.
class RxSimFixture : public ::testing::Test
{
public:
    // Lines of the simulator's log that contain `what`.
    int logCount(const std::string& what) const;

protected:
    RxSimFixture();
    ~RxSimFixture() override;

    // Starts the simulator of KV2MIN-S (8-byte records, erase blocks of 256) with the record
    // memory 1000..`memEnd` and `extra` options on `line`, and opens the link.
    void start(Line line, const std::string& memEnd, const std::vector<std::string>& extra = {});
    // Shortens the per-character time-outs, for faults that leave the line silent.
    void setCharTimeout(std::chrono::milliseconds timeout);

    // Bytes of the simulated receiver, as hex, through its control port.
    std::string simMemory(unsigned first, unsigned last);
    // The simulator's record log so far.
    std::string simLog() const;

    // The receiver model the simulator plays; tests may change it before start.
    std::vector<std::string> modelArgs = {"--folder", VORBIX_DATA_DIR, "--model", "KV2MIN-S"};

    PopisType texts;
    vorbix::test::TempFolder folder;
    TKomunikace link{texts};
    model::ReceiverMemory memory;
    TRx rx{link, memory, texts, VORBIX_DATA_DIR};
    std::unique_ptr<rxsim::test::SimProcess> sim;
    int control = -1;
    std::vector<std::string> errors;
    std::vector<int> progress;
    // Non-zero LastError codes seen between attempts.
    std::set<int> codesSeen;

private:
    LinkTimings m_timings;
};

// Hex of an image of `records` records of 8 bytes, none of them erased or empty.
std::string recordsImage(int records, unsigned seed);

} // namespace vorbix::link::test

#pragma once

namespace vorbix::rxsim {

// Faults the simulator injects once each, for testing how the program copes. A count of 0 turns a
// fault off; counts start at 1. Which character is corrupted or dropped follows `seed`, so a run
// is repeatable.
struct SimFaults
{
    unsigned seed = 1;
    unsigned corruptEchoOfRecord = 0; // k-th record (k-th ':' received): one echoed character differs
    unsigned refuseWrite = 0;         // k-th write record (00, 04, 0A, 0B) is answered 'R'
    unsigned dropReplyCharacter = 0;  // k-th read or dump reply loses one character
    unsigned stallAfterRecords = 0;   // after k complete records the receiver stops answering
    unsigned closeAfterBytes = 0;     // the TCP connection is closed after k bytes have been received
    unsigned wrongDumpLine = 0;       // k-th dump line carries a wrong address
    unsigned badChecksumRecord = 0;   // k-th record is answered 'X' as if its checksum were wrong
};

} // namespace vorbix::rxsim

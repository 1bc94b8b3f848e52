#pragma once

#include <string>

namespace vorbix::test {

// A loopback address (127.a.b.c) of this process and call, for a test that must listen on a fixed
// port (the framed gateway's 5000): derived from the process id and a call counter, so that two
// test runs, or two tests of one run, never ask for the same address and port. Never 127.0.0.x,
// where other programs listen, and never an address ending in 0 or 255.
std::string uniqueLoopbackAddress();

} // namespace vorbix::test

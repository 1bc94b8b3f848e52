#pragma once

// Line speeds that have no termios constant (28800 bit/s is one the setup dialog offers), set
// through the Linux termios2 interface. Kept apart because its header clashes with <termios.h>.
namespace vorbix::link {

// Sets both directions of the terminal `fd` to `baud` bit/s; false when the system refuses.
bool SetArbitrarySpeed(int fd, int baud);
// The output speed of `fd` in bit/s; 0 when it cannot be read.
int CurrentSpeed(int fd);

} // namespace vorbix::link

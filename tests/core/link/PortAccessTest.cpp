#include "PseudoTerminal.h"

#include "core/link/PortAccess.h"
#include "core/link/Serial.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vorbix::link;

TEST(PortAccessTest, MessageNamesTheGroupAndTheRemedyOnlyWhenJoiningItHelps)
{
    const std::string denied = std::strerror(EACCES);
    struct Case
    {
        int error;
        std::string group, expected;
    } cases[] = {
        {EACCES, "dialout", "/dev/ttyUSB0 is owned by group dialout: sudo adduser $USER dialout, then log in again"},
        {EPERM, "uucp", "/dev/ttyUSB0 is owned by group uucp: sudo adduser $USER uucp, then log in again"},
        {EACCES, "root", "/dev/ttyUSB0: " + denied},
        {EACCES, "", "/dev/ttyUSB0: " + denied},
        {EWOULDBLOCK, "dialout", "/dev/ttyUSB0 is in use by another program"},
        {ENOENT, "", "/dev/ttyUSB0: " + std::string(std::strerror(ENOENT))},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PortOpenFailure("/dev/ttyUSB0", c.error, c.group), c.expected) << c.error << " " << c.group;
    }
    EXPECT_EQ(FileGroupName("/nonexistent/ttyX"), "");
}

// A port the user may not open: the open fails with the permission error and the device's group.
// Run in a child that, when the test runs as root, first becomes an unprivileged user.
TEST(PortAccessTest, DeniedPortReportsPermissionAndTheOwningGroup)
{
    test::PseudoTerminal pty;
    if (!pty.valid()) {
        GTEST_SKIP() << "no pseudo-terminal available";
    }
    // Root hands the device to the usual serial group; anyone else takes every permission away.
    if (::getuid() == 0) {
        const ::group* dialout = ::getgrnam("dialout");
        if (dialout == nullptr) {
            GTEST_SKIP() << "no dialout group";
        }
        ASSERT_EQ(::chown(pty.slavePath().c_str(), 0, dialout->gr_gid), 0);
        ASSERT_EQ(::chmod(pty.slavePath().c_str(), 0660), 0);
    } else {
        ASSERT_EQ(::chmod(pty.slavePath().c_str(), 0), 0);
    }
    const std::string group = FileGroupName(pty.slavePath());
    if (group.empty() || group == "root") {
        GTEST_SKIP() << "the pseudo-terminal belongs to no group one could join";
    }

    int channel[2];
    ASSERT_EQ(::pipe(channel), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(channel[0]);
        std::string message = "opened";
        if (::getuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            message = "cannot drop privileges";
        } else {
            try {
                TSerial port(pty.slavePath(), 9600);
            } catch (const TSerialException& e) {
                message = e.ErrorNumber == EACCES ? PortOpenFailure(e.Device, e.ErrorNumber, group) : "other error";
            }
        }
        [[maybe_unused]] const ssize_t n = ::write(channel[1], message.data(), message.size());
        ::_exit(0);
    }
    ::close(channel[1]);
    std::string message;
    char buffer[512];
    for (ssize_t n = 0; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;) {
        message.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(channel[0]);
    ::waitpid(child, nullptr, 0);
    EXPECT_EQ(message, PortOpenFailure(pty.slavePath(), EACCES, group));
    EXPECT_NE(message.find("group " + group), std::string::npos) << message;
}

#pragma once

#include "support/TempFolder.h"

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

namespace vorbix::test {

// A program running in the background as a user runs it from a shell, its stdout and stderr going
// to files of a folder of its own (so that no output of an earlier run is seen). It is killed when
// the object goes, if it still runs.
class ChildProcess
{
public:
    enum class Stream
    {
        Out,
        Err,
    };

    // `args[0]` is the program's path; the environment variables in `unset` are removed for it.
    explicit ChildProcess(const std::vector<std::string>& args, const std::vector<std::string>& unset = {});
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    std::string out() const;
    std::string err() const;
    // Waits at most `wait` for `text` to appear in the stream.
    bool waitFor(const std::string& text, Stream stream = Stream::Out,
                 std::chrono::milliseconds wait = std::chrono::seconds(10)) const;
    void signal(int number) const;
    // The exit status (128 + the signal for a killed one), or -1 when it did not end within `wait`.
    int wait(std::chrono::milliseconds wait = std::chrono::seconds(10));
    // Sends `number` and waits for the end, however long it takes.
    void stop(int number);

private:
    TempFolder m_folder;
    pid_t m_pid = -1;
    int m_status = -1;
};

} // namespace vorbix::test

#pragma once

#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace vorbix::ctl::test {

// What a run of vorbixctl gave: its exit code and its standard output (stderr is dropped).
struct ToolRun
{
    int exitCode = -1;
    std::string out;
};

// Runs vorbixctl with `arguments` as a shell would take them, to its end.
inline ToolRun runTool(const std::string& arguments)
{
    ToolRun run;
    const std::string command = std::string("'") + VORBIXCTL_PATH + "' " + arguments + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        return run;
    }
    char buffer[4096];
    std::size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        run.out.append(buffer, n);
    }
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

} // namespace vorbix::ctl::test

#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

namespace vorbix::test {

// What a shell command prints on its standard output; empty when it cannot be started.
inline std::string commandOutput(const std::string& command)
{
    std::string out;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return out;
    }
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        out.append(buffer, n);
    }
    ::pclose(pipe);
    return out;
}

// True when the shell finds the program (a test of an outside reader skips itself otherwise).
inline bool haveProgram(const std::string& name)
{
    return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

} // namespace vorbix::test

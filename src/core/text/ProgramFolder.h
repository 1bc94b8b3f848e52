#pragma once

#include <string>
#include <vector>

// ProgramFolder: the folder that holds the program file, without a trailing separator. Every file
// the program keeps beside itself (settings, language and definition files, lists, Backup, Help)
// is found through it.
namespace vorbix::text {

// The folder of the running executable (/proc/self/exe); empty when it cannot be read.
std::string executableFolder();

// Parsed command line shared by the program and the tools: `--folder DIR` overrides the
// executable's folder; every other argument is kept in order in `arguments`.
struct CommandLine
{
    std::string programFolder;
    std::vector<std::string> arguments;
    std::string error; // set when `--folder` lacks its value
};

CommandLine parseCommandLine(int argc, const char* const* argv);

// Removes trailing '/' (but keeps a lone "/").
std::string withoutTrailingSeparator(std::string folder);

} // namespace vorbix::text

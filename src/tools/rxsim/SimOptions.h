#pragma once

#include "tools/rxsim/SimFaults.h"
#include "tools/rxsim/SimModel.h"

#include <optional>
#include <string>
#include <vector>

namespace vorbix::rxsim {

// Everything the command line sets.
struct SimOptions
{
    bool help = false;
    bool version = false;

    std::string modelName = "KV1MOD-T";
    // Set only when given, so they override the model's defaults.
    std::optional<unsigned> memStart, memEnd, statusAddr, nameAddr, passAddr;
    std::optional<unsigned> recordSize, eraseBlock, relays, serialDigit;
    std::string folder;   // program folder whose "Rx.def" describes the model
    std::string loadFile; // data file with the initial records
    unsigned fill = 0;
    unsigned seed = 1;
    std::optional<std::string> password;
    std::string saveOnExit;

    std::string tcp;          // ADDR:PORT
    std::string pty;          // path of the symbolic link to create
    std::string control;      // ADDR:PORT
    std::string events;       // script file
    double eventRate = 0;     // events per second, 0: none
    unsigned eventCount = 0;  // 0: without end
    std::string eventCommand; // empty: random presses
    unsigned baud = 0;
    char report = 'U';
    std::string logFile;

    SimFaults faults;
};

// False, with the reason, on an unknown option or a value that does not convert.
[[nodiscard]] bool parseOptions(const std::vector<std::string>& args, SimOptions& options, std::string& error);

// Without --folder, takes the program folder every Vorbix program finds, when it holds an Rx.def
// (the simulator beside an installed or portable Vorbix uses its models); then checks that --load
// has a folder. False, with the reason, otherwise.
[[nodiscard]] bool settleFolder(SimOptions& options, std::string& error);

// The model the options describe: the built-in defaults of the named model (or of the first
// built-in model for another name), then every address option given.
SimModel modelFromOptions(const SimOptions& options);
// The two steps of modelFromOptions, so that a model read from a folder can come between them:
// the built-in defaults of the named model, and the options given on top of any model.
SimModel namedModel(const SimOptions& options);
void applyModelOptions(const SimOptions& options, SimModel& model);

std::string helpText();

} // namespace vorbix::rxsim

// vorbix-rxsim: a simulated receiver on a pseudo-terminal or a loopback TCP port.

#include "core/text/ProgramFolder.h"
#include "core/text/TextFile.h"
#include "tools/rxsim/SimFill.h"
#include "tools/rxsim/SimLog.h"
#include "tools/rxsim/SimOptions.h"
#include "tools/rxsim/SimServer.h"
#include "tools/rxsim/SimSetup.h"

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <iostream>
#include <unistd.h>

namespace {

int g_stopPipe[2] = {-1, -1};

void onStopSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_stopPipe[1], &byte, 1);
}

bool installSignals()
{
    if (::pipe2(g_stopPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return false;
    }
    struct sigaction action
    {
    };
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    return true;
}

int fail(const std::string& message)
{
    std::cerr << "vorbix-rxsim: " << message << "\n";
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    using namespace vorbix::rxsim;
    SimOptions options;
    std::string error;
    if (!parseOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
        return fail(error);
    }
    if (options.help) {
        std::cout << helpText();
        return 0;
    }
    if (options.version) {
        std::cout << vorbix::text::versionLine("vorbix-rxsim") << "\n";
        return 0;
    }
    if (!settleFolder(options, error)) {
        return fail(error);
    }
    SimModel model = namedModel(options);
    if (!options.folder.empty() && !loadModelFromFolder(options.folder, model, error)) {
        return fail(error);
    }
    applyModelOptions(options, model);
    if (!checkModel(model, error)) {
        return fail(error);
    }
    SimMemory memory(model);
    if (options.password && !memory.setPassword(*options.password, error)) {
        return fail(error);
    }
    if (!options.loadFile.empty() && !loadDataFile(options.loadFile, options.folder, memory, error)) {
        return fail(error);
    }
    // With the model's files at hand the transmitters are ones an installer could have taught it.
    if (options.fill > 0 &&
        !(options.folder.empty() ? memory.fillRandom(options.fill, options.seed, error)
                                 : fillRealistic(options.folder, options.fill, options.seed, memory, error))) {
        return fail(error);
    }
    std::vector<std::string> script;
    if (!options.events.empty() && !vorbix::text::readLines(options.events, script, error)) {
        return fail("cannot read the event script " + error);
    }
    SimLog log;
    if (!log.open(options.logFile, error)) {
        return fail(error);
    }
    if (!installSignals()) {
        return fail("cannot set up the signal pipe");
    }
    SimServer server(options, memory, [&log](const std::string& line) { log.write(line); });
    if (!server.start(script, error)) {
        return fail(error);
    }
    std::cout << "READY " << server.description() << " model=" << model.name << std::endl;
    server.run(g_stopPipe[0]);
    if (!options.saveOnExit.empty()) {
        if (!saveDataFile(memory, options.folder, options.saveOnExit, error)) {
            return fail(error);
        }
        log.write("memory saved to " + options.saveOnExit);
    }
    return 0;
}

// info: what the receiver says about itself, one key=value a line.
#include "tools/vorbixctl/Commands.h"
#include "tools/vorbixctl/CtlSession.h"

#include "tools/vorbixctl/HumanText.h"

#include <cstdio>
#include <iostream>

namespace vorbix::ctl {
namespace {

std::string address(int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(value));
    return text;
}

} // namespace

int runInfo(CtlSession& session, const std::vector<std::string>& args)
{
    if (!args.empty()) {
        std::cerr << "vorbixctl: info takes no arguments\n";
        return kExitUsage;
    }
    if (!session.login()) {
        return kExitFailure;
    }
    const model::TDevice& d = session.memory().Device;
    std::cout << "model=" << tools::humanText(d.Model) << "\n"
              << "description=" << tools::humanText(d.Description) << "\n"
              << "relays=" << d.Relays << "\n"
              << "records=" << d.RecordCount << "\n"
              << "mem_start=" << address(d.MemStart) << "\n"
              << "mem_end=" << address(d.MemEnd) << "\n"
              << "status_addr=" << address(d.StatusAddr) << "\n"
              << "name_addr=" << address(d.NameAddr) << "\n"
              << "pass_addr=" << address(d.PassAddr) << "\n"
              << "erase_block=" << d.EraseBlock << "\n"
              << "password_set=" << (d.Password.empty() ? "no" : "yes") << "\n";
    return kExitOk;
}

} // namespace vorbix::ctl

// passwd NEW: a new receiver password.
#include "tools/vorbixctl/Commands.h"
#include "tools/vorbixctl/CtlSession.h"

#include "core/text/Cp1250.h"

#include <iostream>

namespace vorbix::ctl {

int runPasswd(CtlSession& session, const std::vector<std::string>& args)
{
    if (args.size() != 1) {
        std::cerr << "vorbixctl: usage: passwd NEW (\"\" removes the password)\n";
        return kExitUsage;
    }
    if (!session.login()) {
        return kExitFailure;
    }
    return session.rx().PisPass(cp1250::fromUtf8(args[0])) ? kExitOk : kExitFailure;
}

} // namespace vorbix::ctl

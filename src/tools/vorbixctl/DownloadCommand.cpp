// download -o FILE: the receiver memory into a data file, written as the automatic backup is.
#include "tools/vorbixctl/Commands.h"
#include "tools/vorbixctl/CtlSession.h"

#include "core/base/TextNumbers.h"
#include "core/model/DataFile.h"
#include "core/model/MemoryImage.h"
#include "core/model/RxDefinition.h"

#include <iostream>

namespace vorbix::ctl {

int runDownload(CtlSession& session, const std::vector<std::string>& args)
{
    if (args.size() != 2 || args[0] != "-o" || args[1].empty()) {
        std::cerr << "vorbixctl: usage: download -o FILE.rxd\n";
        return kExitUsage;
    }
    if (!session.login()) {
        return kExitFailure;
    }
    if (!session.downloadRecords()) {
        return kExitFailure;
    }
    model::ReceiverMemory& memory = session.memory();
    const ErrorSink onError = [&session](const std::string& message) { session.report(message); };
    if (!model::SaveDataFile(args[1], memory.Device, memory.Records, memory.UploadImage, session.texts(), onError)) {
        return kExitFailure;
    }
    return kExitOk;
}

} // namespace vorbix::ctl

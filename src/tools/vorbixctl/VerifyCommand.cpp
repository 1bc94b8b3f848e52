// verify FILE [--json], and upload FILE --dry-run: the receiver's records against a data file.
#include "tools/vorbixctl/Commands.h"
#include "tools/vorbixctl/CtlSession.h"
#include "tools/vorbixctl/DataFileViews.h"
#include "tools/vorbixctl/DiffOutput.h"

#include "core/base/TextNumbers.h"
#include "core/model/MemoryImage.h"
#include "core/model/RxDefinition.h"
#include "core/text/Cp1250.h"

#include <iostream>

namespace vorbix::ctl {

int runReceiverDiff(CtlSession& session, const std::string& file, bool json)
{
    // The file first: a file that does not read is no reason to talk to the receiver.
    tools::FolderViews folder;
    if (!tools::loadDataFile(session.programFolder(), file, folder)) {
        return kExitFailure;
    }
    if (!session.login()) {
        return kExitFailure;
    }
    model::ReceiverMemory& memory = session.memory();
    if (memory.Device.Model != folder.loaded.Device.Model) {
        session.report("the data file is of model " + folder.loaded.Device.Model + ", the receiver is " +
                       memory.Device.Model);
        return kExitFailure;
    }
    if (!session.downloadRecords()) {
        return kExitFailure;
    }
    // Only what a receiver stores can differ: the ID, the type and the other user texts live in
    // data files alone.
    const views::RecordDiff diff =
        views::diffRecords(memory.Records, folder.loaded.Records, folder.context, views::DiffFields::Receiver);
    tools::printDiff(std::cout, diff, json);
    return diff.same() ? kExitOk : kExitFailure;
}

int runVerify(CtlSession& session, const std::vector<std::string>& args)
{
    std::string file;
    bool json = false;
    bool usage = false;
    for (const std::string& arg : args) {
        if (arg == "--json") {
            json = true;
        } else if (file.empty() && !arg.empty() && !arg.starts_with("-")) {
            file = arg;
        } else {
            usage = true;
        }
    }
    if (file.empty() || usage) {
        std::cerr << "vorbixctl: usage: verify FILE.rxd [--json]\n";
        return kExitUsage;
    }
    return runReceiverDiff(session, file, json);
}

} // namespace vorbix::ctl

// upload FILE [--force]: a data file into the receiver, then read back and compared. With --dry-run
// only what it would change is printed.
#include "tools/vorbixctl/Commands.h"
#include "tools/vorbixctl/CtlSession.h"

#include "core/base/TextNumbers.h"
#include "core/model/DataFile.h"
#include "core/model/MemoryImage.h"
#include "core/model/RxDefinition.h"

#include <iostream>

namespace vorbix::ctl {

int runUpload(CtlSession& session, const std::vector<std::string>& args)
{
    std::string file;
    bool force = false;
    bool dryRun = false;
    bool json = false;
    for (const std::string& arg : args) {
        if (arg == "--force") {
            force = true;
        } else if (arg == "--dry-run") {
            dryRun = true;
        } else if (arg == "--json") {
            json = true;
        } else if (file.empty() && !arg.empty() && !arg.starts_with("-")) {
            file = arg;
        } else {
            file.clear();
            break;
        }
    }
    if (file.empty() || (json && !dryRun)) {
        std::cerr << "vorbixctl: usage: upload FILE.rxd [--force] | upload FILE.rxd --dry-run [--json]\n";
        return kExitUsage;
    }
    if (dryRun) {
        // What the upload would change, read from the receiver; nothing is written.
        const int status = runReceiverDiff(session, file, json);
        return status == kExitFailure ? kExitOk : status;
    }
    if (!session.login()) {
        return kExitFailure;
    }
    model::ReceiverMemory& memory = session.memory();
    const ErrorSink onError = [&session](const std::string& message) { session.report(message); };
    const ErrorSink onWarning = [&session](const std::string& message) { session.report("warning: " + message); };
    // The file must be of the receiver's model and fit its slots, as when the program opens it
    // while logged in.
    model::LoadedDataFile loaded;
    if (!model::ReadDataFile(file, session.programFolder(), &memory.Device, loaded, session.texts(), onError,
                             onWarning)) {
        return kExitFailure;
    }
    // A file that did not read cleanly may not say what its owner meant; a script must not
    // overwrite a receiver with it unless told to.
    if (!loaded.Warnings.empty() && !force) {
        session.report("the data file has format faults; nothing was uploaded (--force uploads it all the same)");
        return kExitFailure;
    }
    memory.Device = std::move(loaded.Device);
    memory.Records = std::move(loaded.Records);
    if (!model::EncodeMemory(memory.Device, memory.Records, memory.UploadImage)) {
        session.report(LangText(session.texts(), lang::kFileFormat) + " - " + model::RxDefFileName);
        return kExitFailure;
    }

    session.startProgress(lang::kUploading);
    bool done = session.rx().UploadMemory();
    session.finishProgress();
    if (!done) {
        return kExitFailure;
    }
    // Read back: the user must know that the receiver holds what was sent.
    session.startProgress(lang::kDownloading);
    done = session.rx().DownloadMemory();
    session.finishProgress();
    if (!done) {
        return kExitFailure;
    }
    const std::string& sent = memory.UploadImage;
    const std::string& read = memory.MemoryImage;
    const auto recordLength = static_cast<std::size_t>(std::max(memory.Device.recordLength(), 1));
    for (std::size_t at = 0; at < sent.size(); at += recordLength) {
        if (read.compare(at, recordLength, sent, at, recordLength) != 0) {
            session.report("the receiver memory differs from the uploaded data at slot " +
                           std::to_string(at / recordLength + 1));
            return kExitFailure;
        }
    }
    return kExitOk;
}

} // namespace vorbix::ctl

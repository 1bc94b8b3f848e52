#pragma once

#include <string>
#include <vector>

namespace vorbix::ctl {

class CtlSession;

// Exit statuses of vorbixctl.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1; // the message is on stderr
inline constexpr int kExitUsage = 2;

// One function per command. `args` are the command's own arguments (global options removed).
int runInfo(CtlSession& session, const std::vector<std::string>& args);
int runDownload(CtlSession& session, const std::vector<std::string>& args);
int runUpload(CtlSession& session, const std::vector<std::string>& args);
int runPasswd(CtlSession& session, const std::vector<std::string>& args);
int runWatch(CtlSession& session, const std::vector<std::string>& args);
int runRelay(CtlSession& session, const std::vector<std::string>& args);
int runMonitor(CtlSession& session, const std::vector<std::string>& args);
int runVerify(CtlSession& session, const std::vector<std::string>& args);

// Logs in, reads the receiver's memory and prints how the data file differs from it (the fields
// a receiver stores); writes nothing. Exit 0 when they are the same, 1 when not or on failure.
int runReceiverDiff(CtlSession& session, const std::string& file, bool json);
int runBridge(CtlSession& session, const std::vector<std::string>& args);

} // namespace vorbix::ctl

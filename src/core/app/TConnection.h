#pragma once

#include "core/link/ConnectionSettings.h"

#include <string>
#include <vector>

namespace vorbix::app {

// A connection profile: a way to reach a receiver and what to do after connecting. Profile 0,
// "Default", mirrors the link's current connection and is never written as a profile section.
struct TConnection
{
    link::ConnectionSettings connection;
    std::string Title;
    std::string Name = "Free";
    std::string Monitor;
    std::string Data;
    bool GoDownload = false;
    bool GoOnline = false;
    bool GoMonitor = false;
};

using ConnectionList = std::vector<TConnection>;

// The caption's profile: the last profile whose Title equals the connection text. Profile 0 carries
// the link's own text, so a list built by LoadSettings always has a match; -1 when none matches.
int FindProfileByTitle(const ConnectionList& profiles, const std::string& connectionText);

} // namespace vorbix::app

#include "tools/vorbixctl/MonitorShowCommand.h"

#include "core/app/IniFile.h"
#include "core/app/Language.h"
#include "core/app/Settings.h"
#include "core/monitor/TMonitor.h"
#include "core/text/Cp1250.h"
#include "tools/vorbixctl/ListOutput.h"

#include <iostream>

namespace vorbix::tools {

namespace {

constexpr const char* kUsage = "usage: vorbixctl monitor-show FILE.mon [--json]\n";

std::string yesNo(bool value)
{
    return value ? "yes" : "no";
}

std::string jsonBool(bool value)
{
    return value ? "true" : "false";
}

std::string jsonEvents(const std::vector<monitor::TEvent>& events)
{
    std::string out = "[";
    for (const monitor::TEvent& e : events) {
        if (out.size() > 1) {
            out += ",";
        }
        out += "{\"tx\":" + jsonString(e.TxCode) + ",\"button\":" + jsonString(e.ButtonCode) + "}";
    }
    return out + "]";
}

void printJson(const monitor::TMonitorData& m)
{
    std::cout << "{\"number\":" << m.Number << ",\"text\":" << jsonString(m.Text) << ",\"colour\":" << m.Colour
              << ",\"size\":" << m.Size << ",\"blink\":" << jsonBool(m.Blink) << ",\"sound\":" << m.Sound
              << ",\"sound_file\":" << jsonString(m.SoundFile) << ",\"picture\":" << jsonString(m.Picture)
              << ",\"activate\":" << jsonBool(m.ActivateApp) << ",\"window\":" << jsonBool(m.ShowWindow)
              << ",\"active\":" << jsonEvents(m.ActiveEvents) << ",\"deactive\":" << jsonEvents(m.DeactiveEvents)
              << "}\n";
}

void printText(const monitor::TMonitorData& m)
{
    std::cout << tabLine({std::to_string(m.Number), m.Text, "colour=" + std::to_string(m.Colour),
                          "size=" + std::to_string(m.Size), "blink=" + yesNo(m.Blink),
                          "sound=" + std::to_string(m.Sound) + (m.SoundFile.empty() ? "" : ":" + m.SoundFile),
                          "window=" + yesNo(m.ShowWindow) + (m.Picture.empty() ? "" : ":" + m.Picture),
                          "activate=" + yesNo(m.ActivateApp)})
              << "\n";
    for (const monitor::TEvent& e : m.ActiveEvents) {
        std::cout << tabLine({"", "active", e.TxCode, e.ButtonCode}) << "\n";
    }
    for (const monitor::TEvent& e : m.DeactiveEvents) {
        std::cout << tabLine({"", "deactive", e.TxCode, e.ButtonCode}) << "\n";
    }
}

} // namespace

int runMonitorShow(const std::string& programFolder, const std::vector<std::string>& args)
{
    std::string path;
    bool json = false;
    for (const std::string& arg : args) {
        if (arg == "--json") {
            json = true;
        } else if (path.empty() && !arg.starts_with("--")) {
            path = arg;
        } else {
            std::cerr << "vorbixctl: unexpected argument: " << arg << "\n" << kUsage;
            return 2;
        }
    }
    if (path.empty()) {
        std::cerr << "vorbixctl: monitor-show needs a setup file\n" << kUsage;
        return 2;
    }
    const app::IniFile ini = app::IniFile::load(programFolder + "/Vorbix.ini");
    PopisType lang;
    std::string error;
    if (!app::LoadLanguage(programFolder, app::ReadLanguageCode(ini), lang, error)) {
        std::cerr << "vorbixctl: " << error << "\n";
        return 1;
    }
    monitor::TMonitor setup;
    setup.setMessages(&lang, {});
    if (!setup.Nacti(path, error)) {
        std::cerr << "vorbixctl: " << cp1250::toUtf8(error) << "\n";
        return 1;
    }
    for (const monitor::TMonitorData& m : setup.Messages) {
        if (json) {
            printJson(m);
        } else {
            printText(m);
        }
    }
    return 0;
}

} // namespace vorbix::tools

#include "core/app/Settings.h"

#include "core/base/TextNumbers.h"

#include <algorithm>

namespace vorbix::app {
namespace {

constexpr const char* kSetup = "Setup";
constexpr const char* kWindow = "Window";
constexpr const char* kFree = "Free";
constexpr const char* kUserTitleKeys[5] = {"UserID", "User1", "User2", "User3", "User4"};

std::string profileSection(std::size_t n)
{
    return "Connection" + std::to_string(n);
}

std::string colKey(std::size_t column)
{
    return "Col" + std::to_string(column + 1);
}

void readConnection(const IniFile& ini, const std::string& section, link::ConnectionSettings& c)
{
    const link::ConnectionSettings d;
    c.ConnectionType = static_cast<link::ConnectionKind>(
        ini.readInteger(section, "ConnectionType", static_cast<int>(d.ConnectionType)));
    c.ComNumber = ini.readInteger(section, "ComNumber", d.ComNumber);
    c.ComSpeed = ini.readInteger(section, "ComSpeed", d.ComSpeed);
    c.IPAddress = ini.readString(section, "IPAddress", d.IPAddress);
    c.IPPort = ini.readString(section, "IPPort", d.IPPort);
    c.DumpRead = ini.readBool(section, "DumpRead", d.DumpRead);
}

void writeConnection(IniFile& ini, const std::string& section, const link::ConnectionSettings& c)
{
    ini.writeInteger(section, "ConnectionType", static_cast<int>(c.ConnectionType));
    ini.writeString(section, "IPAddress", c.IPAddress);
    ini.writeString(section, "IPPort", c.IPPort);
    ini.writeInteger(section, "ComNumber", c.ComNumber);
    ini.writeInteger(section, "ComSpeed", c.ComSpeed);
    ini.writeBool(section, "DumpRead", c.DumpRead);
}

TConnection readProfile(const IniFile& ini, const std::string& section)
{
    TConnection p;
    readConnection(ini, section, p.connection);
    p.Name = ini.readString(section, "Name", kFree);
    p.Title = ini.readString(section, "Title", "");
    p.GoDownload = ini.readBool(section, "GoDownload", false);
    p.GoOnline = ini.readBool(section, "GoOnline", false);
    p.GoMonitor = ini.readBool(section, "GoMonitor", false);
    p.Data = ini.readString(section, "Data", "");
    p.Monitor = ini.readString(section, "Monitor", "");
    return p;
}

void writeProfile(IniFile& ini, const std::string& section, const TConnection& p)
{
    writeConnection(ini, section, p.connection);
    ini.writeString(section, "Title", p.Title);
    ini.writeString(section, "Name", p.Name);
    ini.writeString(section, "Monitor", p.Monitor);
    ini.writeString(section, "Data", p.Data);
    ini.writeBool(section, "GoDownload", p.GoDownload);
    ini.writeBool(section, "GoOnline", p.GoOnline);
    ini.writeBool(section, "GoMonitor", p.GoMonitor);
}

} // namespace

std::vector<GridWidths> Settings::DefaultGridWidths()
{
    // The list grids start wide enough for a transmitter code title and a full date and time.
    std::vector<GridWidths> grids = {
        {"BatteryGrid", {110, 70, 150, 50, 90, 90, 90, 90}},
        {"HistoryGrid", {110, 60, 150, 60, 50, 90, 90, 90, 90}},
        {"MonitorGrid", std::vector<int>(9, 64)},
        {"ActiveGrid", std::vector<int>(9, 64)},
        {"DeactiveGrid", std::vector<int>(9, 64)},
        {"MessageGrid", std::vector<int>(9, 64)},
    };
    grids.back().widths[0] = 32;
    grids.back().widths[2] = 200;
    grids.back().widths[3] = 100;
    // The monitoring page: room for a message text and a transmitter code.
    for (GridWidths& grid : grids) {
        if (grid.section == "MonitorGrid") {
            grid.widths[0] = 80; // "Message" beside the sort mark
            grid.widths[1] = 200;
        } else if (grid.section == "ActiveGrid" || grid.section == "DeactiveGrid") {
            grid.widths[0] = 90;
        }
    }
    return grids;
}

const GridWidths* Settings::widthsOf(const std::string& section) const
{
    for (const auto& g : gridWidths) {
        if (g.section == section) {
            return &g;
        }
    }
    return nullptr;
}

void Settings::setWidths(const std::string& section, const std::vector<int>& widths)
{
    for (GridWidths& grid : gridWidths) {
        if (grid.section == section) {
            if (grid.widths.size() < widths.size()) {
                grid.widths.resize(widths.size(), 64);
            }
            std::copy(widths.begin(), widths.end(), grid.widths.begin());
        }
    }
}

link::SerialPortMap ReadSerialPorts(const IniFile& ini)
{
    link::SerialPortMap ports;
    for (const auto& [key, device] : ini.sectionValues("SerialPorts")) {
        if (key.size() > 3 && (key[0] == 'C' || key[0] == 'c') && (key[1] == 'O' || key[1] == 'o') &&
            (key[2] == 'M' || key[2] == 'm') && !device.empty()) {
            int number = 0;
            bool digits = true;
            for (std::size_t i = 3; i < key.size() && digits; ++i) {
                digits = key[i] >= '0' && key[i] <= '9' && number < 1000;
                number = number * 10 + (key[i] - '0');
            }
            if (digits && number > 0) {
                ports[number] = device;
            }
        }
    }
    return ports;
}

std::string ReadLanguageCode(const IniFile& ini)
{
    return ini.readString(kSetup, "Language", "US");
}

void LoadUserTitles(const IniFile& ini, const PopisType& lang, Settings& settings)
{
    for (int i = 0; i < 5; ++i) {
        settings.userTitles[static_cast<std::size_t>(i)] =
            ini.readString(kSetup, kUserTitleKeys[i], LangText(lang, lang::kFirstUserTitle + i));
    }
}

void LoadSettings(const IniFile& ini, Settings& s)
{
    const Settings d;
    readConnection(ini, kSetup, s.connection);
    s.serialPorts = ReadSerialPorts(ini);

    s.MonitorFont = ini.readString(kSetup, "MonitorFont", d.MonitorFont);
    s.Welcome = ini.readBool(kSetup, "Welcome", d.Welcome);
    s.Login = ini.readBool(kSetup, "Login", d.Login);
    s.Backup = ini.readBool(kSetup, "Backup", d.Backup);
    s.FindLast = ini.readBool(kSetup, "FindLast", d.FindLast);
    s.UploadDiff = ini.readBool(kSetup, "UploadDiff", d.UploadDiff);
    s.Beep = ini.readBool(kSetup, "Beep", d.Beep);
    s.SoundCard = ini.readBool(kSetup, "SoundCard", d.SoundCard);
    s.SoundSpeaker = ini.readBool(kSetup, "SoundSpeaker", d.SoundSpeaker);
    s.SortColSingle = ini.readInteger(kSetup, "SortColSingle", d.SortColSingle);
    s.SortColMulti = ini.readInteger(kSetup, "SortColMulti", d.SortColMulti);
    s.SortUpSingle = ini.readBool(kSetup, "SortUpSingle", d.SortUpSingle);
    s.SortUpMulti = ini.readBool(kSetup, "SortUpMulti", d.SortUpMulti);
    s.Download = ini.readBool(kSetup, "Download", d.Download);
    s.Online = ini.readBool(kSetup, "Online", d.Online);
    s.Monitor = ini.readBool(kSetup, "Monitor", d.Monitor);
    s.OpenDataFile = ini.readBool(kSetup, "OpenDataFile", d.OpenDataFile);
    s.OpenMonitorFile = ini.readBool(kSetup, "OpenMonitorFile", d.OpenMonitorFile);
    s.OpenDataPath = ini.readString(kSetup, "OpenDataPath", d.OpenDataPath);
    s.OpenMonitorPath = ini.readString(kSetup, "OpenMonitorPath", d.OpenMonitorPath);
    s.BatteryMonitorLevel = ini.readInteger(kSetup, "BatteryMonitorLevel", d.BatteryMonitorLevel);
    s.BatteryMonitorSortCol = ini.readInteger(kSetup, "BatteryMonitorSortCol", d.BatteryMonitorSortCol);
    s.BatteryMonitorSortUp = ini.readBool(kSetup, "BatteryMonitorSortUp", d.BatteryMonitorSortUp);
    s.HistoryMonitorLevel = ini.readInteger(kSetup, "HistoryMonitorLevel", d.HistoryMonitorLevel);
    s.HistoryLength = ini.readInteger(kSetup, "HistoryLength", d.HistoryLength);
    s.MonitorSortCol = ini.readInteger(kSetup, "MonitorSortCol", d.MonitorSortCol);
    s.MonitorSortUp = ini.readBool(kSetup, "MonitorSortUp", d.MonitorSortUp);

    // The direct control page is only reachable while on-line; a value no page has is treated alike.
    s.PageControl = ini.readInteger(kSetup, "PageControl", d.PageControl);
    if (s.PageControl < 0 || s.PageControl >= kDirectControlPage) {
        s.PageControl = 0;
    }

    s.LastFile = ini.readString(kSetup, "LastFile", "");
    s.LastMonitorFile = ini.readString(kSetup, "LastMonitorFile", "");

    s.profiles.clear();
    TConnection def;
    def.connection = s.connection;
    def.Title = link::ConnectionText(s.connection);
    def.Name = "Default";
    s.profiles.push_back(def);
    for (std::size_t n = 1;; ++n) {
        const std::string section = profileSection(n);
        if (ini.readString(section, "Name", kFree) == kFree) {
            break;
        }
        s.profiles.push_back(readProfile(ini, section));
    }

    s.gridWidths = Settings::DefaultGridWidths();
    for (auto& grid : s.gridWidths) {
        for (std::size_t c = 0; c < grid.widths.size(); ++c) {
            grid.widths[c] = ini.readInteger(grid.section, colKey(c), grid.widths[c]);
        }
    }

    s.window.Stored = ini.valueExists(kWindow, "Width");
    s.window.Width = ini.readInteger(kWindow, "Width", d.window.Width);
    s.window.Height = ini.readInteger(kWindow, "Height", d.window.Height);
    s.window.Top = ini.readInteger(kWindow, "Top", d.window.Top);
    s.window.Left = ini.readInteger(kWindow, "Left", d.window.Left);
    const int state = ini.readInteger(kWindow, "State", 0);
    s.window.State = state == 1 ? WindowState::Maximized : state == 2 ? WindowState::Minimized : WindowState::Normal;

    s.ActiveHeight = ini.readInteger("ActiveGrid", "Height", d.ActiveHeight);
    s.DeactiveHeight = ini.readInteger("DeactiveGrid", "Height", d.DeactiveHeight);
}

void SaveSettings(IniFile& ini, const Settings& s, const SaveContext& context)
{
    writeConnection(ini, kSetup, s.connection);

    ini.writeInteger(kSetup, "BatteryMonitorLevel", s.BatteryMonitorLevel);
    ini.writeInteger(kSetup, "BatteryMonitorSortCol", s.BatteryMonitorSortCol);
    ini.writeBool(kSetup, "BatteryMonitorSortUp", s.BatteryMonitorSortUp);
    ini.writeInteger(kSetup, "HistoryMonitorLevel", s.HistoryMonitorLevel);
    ini.writeInteger(kSetup, "HistoryLength", s.HistoryLength);
    ini.writeString(kSetup, "Language", s.Language);
    ini.writeString(kSetup, "MonitorFont", s.MonitorFont);
    ini.writeBool(kSetup, "Welcome", s.Welcome);
    ini.writeBool(kSetup, "Login", s.Login);
    ini.writeBool(kSetup, "Backup", s.Backup);
    ini.writeBool(kSetup, "FindLast", s.FindLast);
    ini.writeBool(kSetup, "UploadDiff", s.UploadDiff);
    ini.writeBool(kSetup, "Beep", s.Beep);
    ini.writeBool(kSetup, "SoundCard", s.SoundCard);
    ini.writeBool(kSetup, "SoundSpeaker", s.SoundSpeaker);
    ini.writeBool(kSetup, "Download", s.Download);
    ini.writeBool(kSetup, "Online", s.Online);
    ini.writeBool(kSetup, "Monitor", s.Monitor);
    ini.writeBool(kSetup, "OpenDataFile", s.OpenDataFile);
    ini.writeBool(kSetup, "OpenMonitorFile", s.OpenMonitorFile);
    ini.writeString(kSetup, "OpenDataPath", s.OpenDataPath);
    ini.writeString(kSetup, "OpenMonitorPath", s.OpenMonitorPath);
    ini.writeInteger(kSetup, "SortColSingle", s.SortColSingle);
    ini.writeInteger(kSetup, "SortColMulti", s.SortColMulti);
    ini.writeBool(kSetup, "SortUpSingle", s.SortUpSingle);
    ini.writeBool(kSetup, "SortUpMulti", s.SortUpMulti);
    ini.writeInteger(kSetup, "MonitorSortCol", s.MonitorSortCol);
    ini.writeBool(kSetup, "MonitorSortUp", s.MonitorSortUp);
    ini.writeInteger(kSetup, "PageControl", s.PageControl);
    ini.writeInteger("ActiveGrid", "Height", s.ActiveHeight);
    ini.writeInteger("DeactiveGrid", "Height", s.DeactiveHeight);
    for (const auto& [number, device] : s.serialPorts) {
        ini.writeString("SerialPorts", "COM" + std::to_string(number), device);
    }

    std::size_t n = 1;
    for (; n < s.profiles.size(); ++n) {
        writeProfile(ini, profileSection(n), s.profiles[n]);
    }
    for (; ini.sectionExists(profileSection(n)); ++n) {
        ini.eraseSection(profileSection(n));
    }

    for (int i = 0; i < 5; ++i) {
        const std::string& title = s.userTitles[static_cast<std::size_t>(i)];
        const std::string& def =
            context.lang != nullptr ? LangText(*context.lang, lang::kFirstUserTitle + i) : std::string();
        if (title == def) {
            ini.deleteKey(kSetup, kUserTitleKeys[i]);
        } else {
            ini.writeString(kSetup, kUserTitleKeys[i], title);
        }
    }

    if (!context.dataFileName.empty()) {
        ini.writeString(kSetup, "LastFile", context.dataFileName);
    }
    ini.writeString(kSetup, "LastMonitorFile", s.LastMonitorFile);

    for (const auto& grid : s.gridWidths) {
        for (std::size_t c = 0; c < grid.widths.size(); ++c) {
            ini.writeInteger(grid.section, colKey(c), grid.widths[c]);
        }
    }

    if (s.window.State == WindowState::Normal) {
        ini.writeInteger(kWindow, "Width", s.window.Width);
        ini.writeInteger(kWindow, "Height", s.window.Height);
        ini.writeInteger(kWindow, "Top", s.window.Top);
        ini.writeInteger(kWindow, "Left", s.window.Left);
    }
    ini.writeInteger(kWindow, "State", static_cast<int>(s.window.State));
}

bool SaveSettingsFile(const std::string& path, const Settings& settings, const SaveContext& context, std::string& error)
{
    return IniFile::update(
        path, [&](IniFile& ini) { SaveSettings(ini, settings, context); }, error);
}

} // namespace vorbix::app

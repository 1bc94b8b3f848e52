#pragma once

#include "core/app/IniFile.h"
#include "core/app/TConnection.h"
#include "core/base/LanguageTable.h"
#include "core/link/ConnectionSettings.h"

#include <array>
#include <string>
#include <vector>

namespace vorbix::app {

// Window state as stored in "Window"/State.
enum class WindowState
{
    Normal = 0,
    Maximized = 1,
    Minimized = 2,
};

struct WindowGeometry
{
    int Width = 710;
    int Height = 550;
    int Top = 150;
    int Left = 190;
    WindowState State = WindowState::Normal;
    // The settings held a size: the window was placed before. On a first start the window picks
    // a size that suits the screen instead of the small standard one.
    bool Stored = false;
};

// Column widths of one of the list tables; key ColN holds column N-1.
struct GridWidths
{
    std::string section;
    std::vector<int> widths;
};

// Every value of "Vorbix.ini" that LoadSettings reads and SaveSettings writes, with its default.
// The record-grid sections (column codes, their widths, the User*Visible keys) are kept by the
// record views and are not part of this batch.
struct Settings
{
    link::ConnectionSettings connection; // "Setup", the link's current connection
    // "SerialPorts": which device a COM number opens (key "COM3", value "/dev/ttyUSB0"). Set by hand
    // in the file, or by choosing a USB adapter in the connection setup (its /dev/serial/by-id name).
    link::SerialPortMap serialPorts;

    std::string Language = "US";
    bool Welcome = true;
    bool Login = false;
    bool Backup = true;
    bool FindLast = false;
    // "UploadDiff": an upload first shows what it will change in the receiver and asks.
    bool UploadDiff = true;
    bool Beep = false;
    bool SoundCard = false;
    bool SoundSpeaker = true;
    std::string MonitorFont = "Tahoma";
    int HistoryMonitorLevel = 3;
    int HistoryLength = 100;
    int BatteryMonitorLevel = 3;
    int BatteryMonitorSortCol = 0;
    bool BatteryMonitorSortUp = true;
    int MonitorSortCol = 0;
    bool MonitorSortUp = true;
    int SortColSingle = 0;
    int SortColMulti = 0;
    bool SortUpSingle = true;
    bool SortUpMulti = true;
    bool Download = false;
    bool Online = false;
    bool Monitor = false;
    bool OpenDataFile = false;
    std::string OpenDataPath;
    bool OpenMonitorFile = false;
    std::string OpenMonitorPath;
    int PageControl = 0;
    std::string LastFile;
    std::string LastMonitorFile;

    // UserID, User1..User4: the titles of the user columns. Their defaults are language texts
    // 153..157 and they are read with the language (LoadUserTitles), not by LoadSettings.
    std::array<std::string, 5> userTitles;

    ConnectionList profiles; // profile 0 is "Default"

    std::vector<GridWidths> gridWidths = DefaultGridWidths();
    int ActiveHeight = 125;
    int DeactiveHeight = 125;
    WindowGeometry window;

    static std::vector<GridWidths> DefaultGridWidths();
    const GridWidths* widthsOf(const std::string& section) const;
    // A grid's shown widths over the stored ones of its section; stored widths beyond the shown
    // columns stay. A section the batch does not keep is left alone.
    void setWidths(const std::string& section, const std::vector<int>& widths);
};

// Page index of the direct control page, which is never restored at start.
constexpr int kDirectControlPage = 5;

// The "SerialPorts" section: keys COM1, COM2, ... naming device paths; other keys are ignored.
link::SerialPortMap ReadSerialPorts(const IniFile& ini);

// Reads "Setup"/"Language" only (needed before the language is loaded).
std::string ReadLanguageCode(const IniFile& ini);

// Reads UserID and User1..User4 with the language's texts 153..157 as defaults.
void LoadUserTitles(const IniFile& ini, const PopisType& lang, Settings& settings);

// Reads everything the batch covers, in the program's order; the profile list is rebuilt with
// profile 0 "Default" carrying the connection just read. A stored page of the direct control page,
// or any page outside 0..5, selects page 0.
void LoadSettings(const IniFile& ini, Settings& settings);

// What SaveSettings needs besides the settings: the open data file's name (LastFile is written
// only when it is not empty) and the language table (a user title equal to its language default
// is not stored, so switching the language changes the default title).
struct SaveContext
{
    std::string dataFileName;
    const PopisType* lang = nullptr;
};

// Writes the batch into `ini` in the program's order. Profile sections after the last profile
// are erased up to the first number without a section. The window's Width, Height, Top and Left
// are written only in the normal state, so a maximised window keeps its saved normal geometry.
void SaveSettings(IniFile& ini, const Settings& settings, const SaveContext& context);

// The whole batch on the file: read it, apply SaveSettings, write it back through a temporary
// file (IniFile::update). False with "Unable to write to PATH: REASON" when the file cannot be
// read or written; the file then keeps its previous content.
[[nodiscard]] bool SaveSettingsFile(const std::string& path, const Settings& settings, const SaveContext& context,
                                    std::string& error);

} // namespace vorbix::app

#include "tools/vorbixctl/CtlSession.h"

#include "core/app/IniFile.h"
#include "core/app/Language.h"
#include "core/app/Settings.h"
#include "core/base/TextNumbers.h"
#include "core/model/MemoryImage.h"
#include "core/model/RxDefinition.h"
#include "core/text/Cp1250.h"
#include "core/text/TextFile.h"

#include <cstdlib>
#include <iostream>
#include <unistd.h>

namespace vorbix::ctl {
namespace {

constexpr int kMaxComPort = 32;
constexpr std::size_t kMaxPassword = 16;

// The "SerialPorts" section: COM n = a device path.
link::SerialPortMap readSerialPorts(const app::IniFile& ini)
{
    link::SerialPortMap ports;
    for (int n = 1; n <= kMaxComPort; ++n) {
        const std::string device = ini.readString("SerialPorts", "COM" + std::to_string(n), "");
        if (!device.empty()) {
            ports[n] = device;
        }
    }
    return ports;
}

} // namespace

CtlSession::CtlSession(const GlobalOptions& options) : m_options(options), m_folder(programFolderOf(options)) {}

CtlSession::~CtlSession()
{
    if (m_link) {
        m_link->Zavri();
    }
}

void CtlSession::report(const std::string& cp1250Message)
{
    // A message starts on a line of its own, also in the middle of a progress line.
    std::cerr << (m_progressShown ? "\n" : "") << "vorbixctl: " << cp1250::toUtf8(cp1250Message) << std::endl;
    m_progressShown = false;
}

bool CtlSession::prepare()
{
    std::string error;
    // The settings choose the connection: a file that is there but cannot be read stops the tool
    // rather than let it talk to the default port.
    const app::IniFile ini = app::IniFile::load(text::joinPath(m_folder, "Vorbix.ini"), error);
    if (!error.empty()) {
        report("Unable to read " + error);
        return false;
    }
    if (!app::LoadLanguage(m_folder, app::ReadLanguageCode(ini), m_texts, error)) {
        report(error);
        return false;
    }
    app::LoadSettings(ini, m_settings);

    m_link = std::make_unique<link::TKomunikace>(m_texts);
    m_link->Settings = m_settings.connection;
    m_link->SerialPorts = readSerialPorts(ini);
    link::ConnectionSettings& c = m_link->Settings;
    if (m_options.com || m_options.serial || m_options.speed || m_options.dumpRead) {
        c.ConnectionType = link::ConnectionKind::ComPort;
    }
    if (m_options.com) {
        c.ComNumber = *m_options.com;
    }
    if (m_options.serial) {
        m_link->SerialPorts[c.ComNumber] = *m_options.serial;
    }
    if (m_options.speed) {
        c.ComSpeed = *m_options.speed;
    }
    if (m_options.dumpRead) {
        c.DumpRead = true;
    }
    if (m_options.tcpAddress) {
        c.ConnectionType = link::ConnectionKind::TcpIp;
        c.IPAddress = *m_options.tcpAddress;
        c.IPPort = *m_options.tcpPort;
    }
    m_link->NastavIni();
    m_link->setErrorSink([this](const std::string& message) { report(message); });

    m_rx = std::make_unique<link::TRx>(*m_link, m_memory, m_texts, m_folder);
    m_rx->setErrorSink([this](const std::string& message) { report(message); });
    return true;
}

bool CtlSession::login()
{
    if (!m_rx->Init()) {
        return false;
    }
    const std::string& password = m_memory.Device.Password;
    if (password.empty()) {
        return true;
    }
    std::string given;
    if (m_options.password) {
        given = *m_options.password;
    } else if (const char* fromEnvironment = std::getenv("VORBIX_PASSWORD")) {
        given = fromEnvironment;
    }
    given = cp1250::fromUtf8(given);
    if (given.size() > kMaxPassword) {
        reportText(lang::kPasswordTooLongForDialog);
        return false;
    }
    if (given != password) {
        reportText(lang::kWrongPassword);
        return false;
    }
    return true;
}

void CtlSession::startProgress(int label)
{
    m_progressShown = false;
    if (!::isatty(STDERR_FILENO)) {
        m_rx->setProgressSink(nullptr);
        return;
    }
    const std::string text = cp1250::toUtf8(LangText(m_texts, label));
    m_rx->setProgressSink([this, text](int percent) {
        m_progressShown = true;
        std::cerr << "\r" << text << " " << percent << "%" << std::flush;
    });
}

void CtlSession::finishProgress()
{
    if (m_progressShown) {
        std::cerr << "\n";
        m_progressShown = false;
    }
}

bool CtlSession::downloadRecords()
{
    startProgress(lang::kDownloading);
    const bool downloaded = m_rx->DownloadMemory();
    finishProgress();
    if (!downloaded) {
        return false;
    }
    if (!model::DecodeMemory(m_memory.Device, m_memory.MemoryImage, m_memory.Records)) {
        report(LangText(m_texts, lang::kFileFormat) + " - " + model::RxDefFileName);
        return false;
    }
    return true;
}

} // namespace vorbix::ctl

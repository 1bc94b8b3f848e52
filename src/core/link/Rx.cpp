// Login, the re-check before each operation, and the password.
#include "core/link/Rx.h"

#include "core/base/Hex.h"

#include "core/base/TextNumbers.h"
#include "core/link/Checksum.h"
#include "core/link/Komunikace.h"
#include "core/model/MemoryImage.h"
#include "core/model/RxDefinition.h"

namespace vorbix::link {
namespace {

constexpr int kConfigAddr = 0x0F00;
constexpr int kBlockSize = 16;
constexpr int kPasswordLength = 16;

} // namespace

TRx::TRx(TKomunikace& link, model::ReceiverMemory& memory, const PopisType& languageTable, std::string programFolder)
    : m_link(link), m_memory(memory), m_languageTable(languageTable), m_programFolder(std::move(programFolder))
{
}

bool TRx::ReadBlock(char type, int address, int count, std::string& data)
{
    data.clear();
    // The end address travels in four digits as well, so it must stay below 10000 too.
    if (address < 0 || address >= 0x10000 || count < 1 || address + count - 1 >= 0x10000) {
        reportText(lang::kAddressOutOfRange);
        return false;
    }
    if (type != '1' && type != '7' && type != '9') {
        reportText(lang::kUnknownReadType);
        return false;
    }
    const auto first = static_cast<unsigned>(address);
    const std::string request =
        std::string(":0500000") + type + HexWord(first) + HexWord(first + static_cast<unsigned>(count) - 1) + "00";
    const auto replyLength = static_cast<std::size_t>(2 * count + 8);
    for (int attempt = 1; attempt <= 3; ++attempt) {
        // Another attempt cannot help once the user cancelled or the gateway has gone.
        if (attempt > 1 && (cancelRequested() || !m_link.isConnected())) {
            break;
        }
        std::string reply;
        if (!m_link.PosliPrikaz(request) || !m_link.PrijemDat(static_cast<int>(replyLength), reply)) {
            continue;
        }
        // "AAAA " + data + CR LF + one more character.
        if (reply[replyLength - 3] == '\r' && reply[replyLength - 2] == '\n') {
            data = reply.substr(5, static_cast<std::size_t>(2 * count));
            return true;
        }
    }
    return false;
}

bool TRx::HexToInt(std::string_view text, int& value)
{
    // Eight digits fill a 32-bit integer; the receiver's addresses have four.
    std::uint64_t read = 0;
    if (!hex::Parse(text, read, 8)) {
        return false;
    }
    value = static_cast<int>(static_cast<std::uint32_t>(read));
    return true;
}

bool TRx::CtiName(std::string& name)
{
    std::string data;
    if (!ReadBlock('9', m_memory.Device.NameAddr, kBlockSize, data)) {
        return false;
    }
    // Only the first 8 bytes carry the name.
    name = model::HexToText(std::string_view(data).substr(0, 16));
    return true;
}

bool TRx::CtiPass(std::string& password)
{
    std::string data;
    if (!ReadBlock('9', m_memory.Device.PassAddr, kBlockSize, data)) {
        return false;
    }
    password = model::HexToPasswordText(data);
    return true;
}

bool TRx::ReadConfiguration()
{
    const std::string failed = text(lang::kCommunicationFailed) + " - " + text(lang::kWhileIdentifying);
    std::string data;
    if (!ReadBlock('1', kConfigAddr, kBlockSize, data)) {
        // A cancelled login needs no message; a reply that never came complete does, although
        // the command itself went through (LastError 0).
        if (m_link.LastError() > 0 || !cancelRequested()) {
            report(failed);
        }
        return false;
    }
    // Work on a copy, so that a failed login leaves the device as it was.
    model::TDevice device = m_memory.Device;
    bool converted = data.size() == 32;
    int* const fields[] = {&device.MemStart, &device.MemEnd, &device.StatusAddr, &device.NameAddr, &device.PassAddr};
    for (std::size_t i = 0; i < std::size(fields) && converted; ++i) {
        converted = HexToInt(std::string_view(data).substr(4 * i, 4), *fields[i]);
    }
    // A record memory that ends before it starts is a garbled block: nothing could be transferred.
    if (!converted || device.MemEnd < device.MemStart) {
        report(failed);
        return false;
    }
    if (!ReadBlock('9', device.NameAddr, kBlockSize, data)) {
        report(failed);
        return false;
    }
    device.Model = model::HexToText(std::string_view(data).substr(0, 16));
    if (!ReadBlock('9', device.PassAddr, kBlockSize, data)) {
        report(failed);
        return false;
    }
    device.Password = model::HexToPasswordText(data);
    if (!model::LoadDefinition(m_programFolder, device.Model, device, m_languageTable, m_errorSink)) {
        reportText(lang::kModelNotSupported);
        return false;
    }
    device.RecordCount = device.recordsInMemory();
    m_memory.Device = std::move(device);
    return true;
}

bool TRx::Init()
{
    if (!m_link.IsOpen() && !m_link.Otevri()) {
        return false;
    }
    return ReadConfiguration();
}

void TRx::DeInit()
{
    m_link.Zavri();
}

bool TRx::OverHeslo()
{
    std::string name;
    std::string password;
    if (!CtiName(name) || !CtiPass(password)) {
        report(text(lang::kCommunicationFailed) + " " + text(lang::kWhileIdentifying));
        return false;
    }
    if (name == m_memory.Device.Model && password == m_memory.Device.Password) {
        return true;
    }
    reportText(lang::kOtherReceiver);
    return false;
}

bool TRx::PisPass(const std::string& password)
{
    if (!OverHeslo()) {
        return false;
    }
    if (password.size() > static_cast<std::size_t>(kPasswordLength)) {
        reportText(lang::kPasswordTooLong);
        return false;
    }
    std::string data;
    for (char c : password) {
        data += HexByte(static_cast<unsigned char>(c));
    }
    data.resize(2 * kPasswordLength, '0');
    if (!m_link.PosliPrikaz(":10" + HexWord(static_cast<unsigned>(m_memory.Device.PassAddr)) + "0A" + data)) {
        reportText(lang::kCommunicationFailed);
        return false;
    }
    // Device.Password becomes the password as the receiver now holds it.
    return ReadConfiguration();
}

bool TRx::cancelRequested() const
{
    return m_link.CancelRequested;
}

void TRx::report(const std::string& message) const
{
    if (m_errorSink) {
        m_errorSink(message);
    }
}

void TRx::reportText(int number) const
{
    report(text(number));
}

void TRx::startProgress()
{
    m_lastProgress = -1;
}

void TRx::progress(long long numerator, long long scale, long long denominator, int offset)
{
    // A one-byte memory has no span; treat it as done.
    const long long span = std::max(denominator, 1LL);
    const long long rounded = (2 * numerator * scale + span) / (2 * span);
    const int percent = static_cast<int>(std::clamp(rounded + offset, 0LL, 100LL));
    if (percent != m_lastProgress) {
        m_lastProgress = percent;
        if (m_progress) {
            m_progress(percent);
        }
    }
}

} // namespace vorbix::link

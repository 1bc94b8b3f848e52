#pragma once

#include "core/base/LanguageTable.h"
#include "core/model/TDataSet.h"

#include <functional>
#include <string>
#include <string_view>

namespace vorbix::link {

class TKomunikace;

// The receiver: login (configuration, model name and password blocks), the re-check before every
// operation, the password write, and the transfer of the whole record memory in both directions.
// Commands are ":"-records of upper-case hex; the link adds the checksum and checks the echo.
//
// TRx works on a shared ReceiverMemory: login fills its Device, a download its MemoryImage, and an
// upload sends its UploadImage. Failures go to the error sink as the language texts the user
// sees; nothing is shown here.
//
// Threads: DownloadMemory and UploadMemory may run on a worker while the owner's thread waits;
// the progress sink and the question are then called on the worker and must hand over to the
// user-interface thread themselves. Everything else runs on one thread. Cancel requests arrive
// through the link's CancelRequested.
class TRx
{
public:
    // Progress of a running transfer, 0 to 100; called when the value changes.
    using ProgressSink = std::function<void(int percent)>;
    // A yes/no question for the user; true for Yes.
    using YesNoQuestion = std::function<bool(const std::string& question)>;

    // `link`, `memory` and `languageTable` must outlive the object; `programFolder` holds "Rx.def".
    TRx(TKomunikace& link, model::ReceiverMemory& memory, const PopisType& languageTable, std::string programFolder);

    void setErrorSink(ErrorSink sink) { m_errorSink = std::move(sink); }
    const ErrorSink& errorSink() const { return m_errorSink; }
    void setProgressSink(ProgressSink sink) { m_progress = std::move(sink); }
    // Asked (language text 98) when a cancel is requested during an upload: Yes stops the upload,
    // No goes on. Without a question a cancel stops the upload.
    void setCancelQuestion(YesNoQuestion question) { m_question = std::move(question); }

    model::ReceiverMemory& memory() { return m_memory; }
    const model::TDevice& Device() const { return m_memory.Device; }

    // Reads `count` bytes from `address` with a read request of type '1', '7' or '9'; `data` gets
    // 2 x count hex digits. Three attempts; after them false without a message (the link's
    // LastError tells why). Texts 122 (range beyond FFFF) and 123 (another type).
    [[nodiscard]] bool ReadBlock(char type, int address, int count, std::string& data);
    // Value of at most 8 hex digits (either case); the empty text is 0. False, `value` untouched,
    // for anything else.
    [[nodiscard]] static bool HexToInt(std::string_view text, int& value);
    // The model name block as text (its first 8 bytes) / the password block as text.
    [[nodiscard]] bool CtiName(std::string& name);
    [[nodiscard]] bool CtiPass(std::string& password);
    // Identifies the receiver: the configuration block's addresses, the model name and password,
    // the model's definition from "Rx.def" and RecordCount. A block whose MemEnd lies below
    // MemStart is refused like one that does not convert. On failure Device is unchanged.
    [[nodiscard]] bool ReadConfiguration();
    // Login: opens the link when it is closed, then ReadConfiguration.
    [[nodiscard]] bool Init();
    // Logout: closes the link.
    void DeInit();
    // True when the receiver connected now is the one logged in to, with the same password.
    [[nodiscard]] bool OverHeslo();
    // Writes a new password (at most 16 characters) and reads the configuration back.
    [[nodiscard]] bool PisPass(const std::string& password);

    // Reads the record memory into MemoryImage, MemStart to MemEnd inclusive; the variant follows
    // the link's DumpRead setting. False on a failure (with its message) or a cancel (without).
    [[nodiscard]] bool DownloadMemory();
    // Erases and writes UploadImage from MemStart on. False on a refusal (with its message) or a
    // cancel the user confirmed (without); the receiver memory is then partly written.
    [[nodiscard]] bool UploadMemory();

private:
    bool downloadPlain();
    bool downloadDump();
    // One dump pass into `image`; false when it could not be completed or was cancelled.
    bool dumpPass(int pass, std::string& image);
    // Sends a write record of the upload; a cancel on the way asks the user first.
    enum class Sent
    {
        Accepted,
        Refused,
        Stopped,
    };
    Sent sendUploadRecord(const std::string& record);
    // False when the user chose to stop after a cancel request.
    bool goOnAfterCancel();
    bool cancelRequested() const;

    void report(const std::string& message) const;
    void reportText(int number) const;
    std::string text(int number) const { return LangText(m_languageTable, number); }
    void startProgress();
    // Reports numerator x scale / denominator, rounded, at most 100, when it changed.
    void progress(long long numerator, long long scale, long long denominator, int offset = 0);

    TKomunikace& m_link;
    model::ReceiverMemory& m_memory;
    const PopisType& m_languageTable;
    std::string m_programFolder;
    ErrorSink m_errorSink;
    ProgressSink m_progress;
    YesNoQuestion m_question;
    int m_lastProgress = -1;
};

} // namespace vorbix::link

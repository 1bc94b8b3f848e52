#pragma once

#include "core/app/Settings.h"
#include "core/base/LanguageTable.h"
#include "core/link/Komunikace.h"
#include "core/link/Rx.h"
#include "core/model/TDataSet.h"
#include "tools/vorbixctl/CtlOptions.h"

#include <memory>
#include <string>

namespace vorbix::ctl {

// What every receiver command needs: the language texts and the connection of the program
// folder, the link, the receiver object and the login. Messages go to stderr as UTF-8.
class CtlSession
{
public:
    explicit CtlSession(const GlobalOptions& options);
    ~CtlSession();
    CtlSession(const CtlSession&) = delete;
    CtlSession& operator=(const CtlSession&) = delete;

    // Loads the language and the connection. False (the reason printed) when the language file
    // cannot be read.
    [[nodiscard]] bool prepare();
    // Opens the link, identifies the receiver and checks the password (--password or
    // VORBIX_PASSWORD) when the receiver has one. False with the message printed.
    [[nodiscard]] bool login();

    const std::string& programFolder() const { return m_folder; }
    const PopisType& texts() const { return m_texts; }
    // The folder's "Vorbix.ini" as read by prepare().
    const app::Settings& settings() const { return m_settings; }
    link::TKomunikace& link() { return *m_link; }
    link::TRx& rx() { return *m_rx; }
    model::ReceiverMemory& memory() { return m_memory; }

    // Prints a message for the user.
    void report(const std::string& cp1250Message);
    void reportText(int number) { report(LangText(m_texts, number)); }
    // Shows the progress of a transfer on stderr when it is a terminal; `label` is a language
    // text number. finishProgress ends the progress line.
    void startProgress(int label);
    void finishProgress();
    // Downloads the logged-in receiver's memory with its progress and decodes it into memory()'s
    // records. False with the message printed.
    [[nodiscard]] bool downloadRecords();

private:
    GlobalOptions m_options;
    std::string m_folder;
    PopisType m_texts;
    app::Settings m_settings;
    model::ReceiverMemory m_memory;
    std::unique_ptr<link::TKomunikace> m_link;
    std::unique_ptr<link::TRx> m_rx;
    bool m_progressShown = false;
};

} // namespace vorbix::ctl

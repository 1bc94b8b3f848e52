#pragma once

#include "core/base/LanguageTable.h"
#include "core/monitor/Reception.h"

#include <ctime>
#include <string>

namespace vorbix::monitor {

// The alarm journal "MonitorJournal.csv" of the program folder: one line per activation,
// re-activation, deactivation and acknowledgement, in UTF-8 as RFC 4180 has it, under the header
// "time,kind,message,text,tx,button,user" that a new file gets. Lines are only ever appended (the
// file is opened for appending, never rewritten), so an alarm console's record survives anything
// the program does later. A failing write is reported once; the journal then keeps trying quietly.
// The journal is never written through a symbolic link nor into anything but a regular file of the
// user's own, and holds whole lines only: a line cut short by a full disk is removed again.
class MonitorJournal
{
public:
    static constexpr const char* kFileName = "MonitorJournal.csv";
    static constexpr const char* kHeader = "time,kind,message,text,tx,button,user";

    MonitorJournal(std::string path, ErrorSink onError);

    // `user`: the application user logged in, empty when none.
    bool append(const Change& change, const std::string& user);

    const std::string& path() const { return m_path; }

private:
    std::string m_path;
    ErrorSink m_onError;
    bool m_reported = false;
};

// Appends `line` and CR LF to the journal file at `path` as one write; a new file first gets the
// header, a file that does not end in a line break first gets one. False with "PATH: REASON" when
// the file cannot be opened (a link, not a regular file, another user's), or the write fails or
// stops short; the file then holds no part of the line.
[[nodiscard]] bool appendJournalLine(const std::string& path, const std::string& line, std::string& error);

// One line of the journal without its line end; texts are cp1250 and written as UTF-8.
std::string journalLine(const Change& change, const std::string& user);
// A field as RFC 4180 quotes it: in double quotes, doubled inside, when it holds a comma, a quote
// or a line break.
std::string csvField(const std::string& utf8);
// "2026-12-10T08:15:30", local time.
std::string isoLocalTime(std::time_t when);

} // namespace vorbix::monitor

#pragma once

#include "core/base/LanguageTable.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vorbix::test {

// A language table whose entry N reads "T" + N, so a test sees which text was reported.
inline PopisType numberedTexts()
{
    PopisType table;
    for (int n = 0; n < 200; ++n) {
        std::string text(1, 'T'); // not "T" + ...: GCC 12 warns falsely (-Wrestrict) on that at -O3
        text += std::to_string(n);
        table.push_back(text);
    }
    return table;
}

// Collects what the core reports for the user.
struct MessageLog
{
    std::vector<std::string> messages;
    ErrorSink sink()
    {
        return [this](const std::string& message) { messages.push_back(message); };
    }
};

inline std::string copyTestData(const TempFolder& folder, const std::string& relative, const std::string& name)
{
    const std::string target = folder.file(name);
    std::filesystem::copy_file(std::string(VORBIX_TEST_DATA_DIR) + "/" + relative, target,
                               std::filesystem::copy_options::overwrite_existing);
    return target;
}

// Lines joined with CR LF, each line ended.
inline std::string crlf(const std::vector<std::string>& lines)
{
    std::string out;
    for (const std::string& line : lines) {
        out += line + "\r\n";
    }
    return out;
}

} // namespace vorbix::test

#pragma once

#include "support/TempFolder.h"
#include "ui/app/TMainForm.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace vorbix::test {

// A program folder with a complete language file whose text N reads "T<N>", the three definition
// files and the help, and a main window on it.
class MainFormFixture : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a language file: count 310, text N = "T<N>".
    void writeLanguage(const std::string& code) const;
    void writeIni(const std::string& content) const { folder.write("Vorbix.ini", content); }

    // Creates the main window (creation steps) and shows it (first showing). False when creation
    // refused to start.
    bool start(const std::vector<std::string>& arguments = {});
    // Runs pending events, so that requested status updates happen.
    static void settle();

    QString panel(int n) const;
    QString tab(int n) const;
    bool enabled(const char* actionName) const;

    TempFolder folder;
    std::unique_ptr<ui::TMainForm> form;
};

} // namespace vorbix::test

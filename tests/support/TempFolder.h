#pragma once

#include <string>

namespace vorbix::test {

// A fresh folder under /tmp, removed with everything in it when the object goes.
class TempFolder
{
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return m_path; }
    std::string file(const std::string& name) const { return m_path + "/" + name; }

    // Writes raw bytes to a file in the folder and returns its path.
    std::string write(const std::string& name, const std::string& content) const;
    // Reads a file of the folder; empty when missing.
    std::string read(const std::string& name) const;
    // Copies a file of the shipped data folder into this folder.
    std::string copyData(const std::string& name) const;

private:
    std::string m_path;
};

} // namespace vorbix::test

#include "support/TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace vorbix::test {

TempFolder::TempFolder()
{
    std::string tmpl = "/tmp/vorbix-test-XXXXXX";
    if (::mkdtemp(tmpl.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    m_path = tmpl;
}

TempFolder::~TempFolder()
{
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

std::string TempFolder::write(const std::string& name, const std::string& content) const
{
    const std::string path = file(name);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    return path;
}

std::string TempFolder::read(const std::string& name) const
{
    std::ifstream in(file(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string TempFolder::copyData(const std::string& name) const
{
    const std::string target = file(name);
    std::filesystem::copy_file(std::string(VORBIX_DATA_DIR) + "/" + name, target,
                               std::filesystem::copy_options::overwrite_existing);
    return target;
}

} // namespace vorbix::test

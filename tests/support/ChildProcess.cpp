#include "support/ChildProcess.h"

#include "core/text/TextFile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <thread>

namespace vorbix::test {

namespace {

std::string readOrEmpty(const std::string& path)
{
    std::string text;
    return text::readFile(path, text) ? text : std::string();
}

int exitStatus(int status)
{
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

} // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& args, const std::vector<std::string>& unset)
{
    const std::string outPath = m_folder.file("out");
    const std::string errPath = m_folder.file("err");
    m_pid = ::fork();
    if (m_pid == 0) {
        const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(out, STDOUT_FILENO);
        ::dup2(err, STDERR_FILENO);
        for (const std::string& name : unset) {
            ::unsetenv(name.c_str());
        }
        std::vector<std::string> copy = args;
        std::vector<char*> argv;
        for (std::string& arg : copy) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
}

ChildProcess::~ChildProcess()
{
    if (m_pid > 0 && m_status < 0) {
        stop(SIGKILL);
    }
}

std::string ChildProcess::out() const
{
    return readOrEmpty(m_folder.file("out"));
}

std::string ChildProcess::err() const
{
    return readOrEmpty(m_folder.file("err"));
}

bool ChildProcess::waitFor(const std::string& text, Stream stream, std::chrono::milliseconds wait) const
{
    const auto end = std::chrono::steady_clock::now() + wait;
    do {
        if ((stream == Stream::Out ? out() : err()).find(text) != std::string::npos) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    } while (std::chrono::steady_clock::now() < end);
    return false;
}

void ChildProcess::signal(int number) const
{
    if (m_pid > 0 && m_status < 0) {
        ::kill(m_pid, number);
    }
}

int ChildProcess::wait(std::chrono::milliseconds wait)
{
    const auto end = std::chrono::steady_clock::now() + wait;
    int status = 0;
    while (m_status < 0 && std::chrono::steady_clock::now() < end) {
        if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_status = exitStatus(status);
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    return m_status;
}

void ChildProcess::stop(int number)
{
    if (m_pid <= 0 || m_status >= 0) {
        return;
    }
    ::kill(m_pid, number);
    int status = 0;
    if (::waitpid(m_pid, &status, 0) == m_pid) {
        m_status = exitStatus(status);
    }
}

} // namespace vorbix::test

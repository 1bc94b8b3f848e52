#include "tools/rxsim/SimProcess.h"

#include <arpa/inet.h>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <netinet/in.h>
#include <poll.h>
#include <sstream>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace vorbix::rxsim::test {
namespace {

using namespace std::chrono_literals;

pid_t spawn(const std::vector<std::string>& args, int& stdoutFd, const std::string& stderrPath)
{
    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0) {
        return -1;
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        // A test killed by its time-out must not leave a simulator behind holding ports and files.
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        ::dup2(out[1], STDOUT_FILENO);
        const int err = stderrPath.empty() ? -1 : ::open(stderrPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (err >= 0) {
            ::dup2(err, STDERR_FILENO);
        }
        std::vector<char*> argv;
        std::string program = VORBIX_RXSIM_PATH;
        argv.push_back(program.data());
        std::vector<std::string> copy = args;
        for (std::string& arg : copy) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    ::close(out[1]);
    stdoutFd = out[0];
    return pid;
}

// Reads what is available within `wait`, up to a line end when `line` is set.
std::string readSome(int fd, std::chrono::milliseconds wait, bool line)
{
    std::string text;
    const auto end = std::chrono::steady_clock::now() + wait;
    while (std::chrono::steady_clock::now() < end) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(std::max<long long>(left.count(), 1))) <= 0) {
            break;
        }
        char c = 0;
        if (::read(fd, &c, 1) != 1) {
            break;
        }
        text += c;
        if (line && c == '\n') {
            break;
        }
    }
    return text;
}

int waitFor(pid_t pid, std::chrono::milliseconds wait)
{
    const auto end = std::chrono::steady_clock::now() + wait;
    int status = 0;
    while (std::chrono::steady_clock::now() < end) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        std::this_thread::sleep_for(10ms);
    }
    return -1;
}

} // namespace

SimProcess::SimProcess(const std::vector<std::string>& args)
{
    char name[] = "/tmp/rxsim-stderr-XXXXXX";
    const int fd = ::mkstemp(name);
    if (fd >= 0) {
        ::close(fd);
        m_stderrPath = name;
    }
    m_pid = spawn(args, m_stdout, m_stderrPath);
    if (m_pid > 0) {
        m_readyLine = readSome(m_stdout, 5000ms, true);
        m_ready = m_readyLine.starts_with("READY ");
    }
}

SimProcess::~SimProcess()
{
    if (m_pid > 0 && m_status < 0) {
        if (terminate() < 0) {
            ::kill(m_pid, SIGKILL);
            waitFor(m_pid, 3000ms);
        }
    }
    if (m_stdout >= 0) {
        ::close(m_stdout);
    }
    if (!m_stderrPath.empty()) {
        ::unlink(m_stderrPath.c_str());
    }
}

std::string SimProcess::errors() const
{
    std::ifstream in(m_stderrPath);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

unsigned SimProcess::port(const std::string& key) const
{
    const std::size_t at = m_readyLine.find(key + "=");
    if (at == std::string::npos) {
        return 0;
    }
    const std::size_t colon = m_readyLine.find(':', at);
    return colon == std::string::npos ? 0 : static_cast<unsigned>(std::atoi(m_readyLine.c_str() + colon + 1));
}

int SimProcess::terminate(std::chrono::milliseconds wait)
{
    if (m_pid <= 0) {
        return -1;
    }
    if (m_status >= 0) {
        return m_status;
    }
    ::kill(m_pid, SIGTERM);
    m_status = waitFor(m_pid, wait);
    return m_status;
}

int SimProcess::waitExit(std::chrono::milliseconds wait)
{
    if (m_status < 0 && m_pid > 0) {
        m_status = waitFor(m_pid, wait);
    }
    return m_status;
}

int runSim(const std::vector<std::string>& args, std::string& output, std::chrono::milliseconds wait)
{
    int out = -1;
    const pid_t pid = spawn(args, out, "/dev/null");
    if (pid <= 0) {
        return -1;
    }
    output = readSome(out, wait, false);
    ::close(out);
    const int status = waitFor(pid, wait);
    if (status < 0) {
        ::kill(pid, SIGKILL);
        waitFor(pid, 3000ms);
    }
    return status;
}

int connectLoopback(const std::string& address, unsigned port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in where{};
    where.sin_family = AF_INET;
    where.sin_port = htons(static_cast<std::uint16_t>(port));
    if (fd < 0 || ::inet_pton(AF_INET, address.c_str(), &where.sin_addr) != 1 ||
        ::connect(fd, reinterpret_cast<sockaddr*>(&where), sizeof where) != 0) {
        if (fd >= 0) {
            ::close(fd);
        }
        return -1;
    }
    return fd;
}

std::string controlCommand(int fd, const std::string& command)
{
    const std::string line = command + "\n";
    if (::send(fd, line.data(), line.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(line.size())) {
        return {};
    }
    std::string answer = readSome(fd, 3000ms, true);
    if (!answer.empty() && answer.back() == '\n') {
        answer.pop_back();
    }
    return answer;
}

} // namespace vorbix::rxsim::test

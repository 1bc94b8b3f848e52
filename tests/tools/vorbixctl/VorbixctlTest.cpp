#include "core/link/Checksum.h"
#include "core/model/DataFile.h"
#include "core/text/TextFile.h"
#include "support/LoopbackAddress.h"
#include "support/TempFolder.h"
#include "tools/rxsim/SimProcess.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

namespace {

using namespace std::chrono_literals;
using vorbix::rxsim::test::connectLoopback;
using vorbix::rxsim::test::controlCommand;
using vorbix::rxsim::test::SimProcess;

struct CtlRun
{
    int status = -1;
    std::string out;
    std::string err;
};

std::string readAll(const std::string& path)
{
    std::string text;
    return vorbix::text::readFile(path, text) ? text : std::string();
}

// Runs vorbixctl to its end (at most 30 s) with `args` and, when given, VORBIX_PASSWORD. With
// `terminal` its stderr is a pseudo-terminal.
CtlRun runCtl(const std::vector<std::string>& args, const char* password = nullptr, bool terminal = false)
{
    int master = -1;
    std::string slave;
    if (terminal) {
        master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
            return {};
        }
        slave = ::ptsname(master);
    }
    vorbix::test::TempFolder outputs;
    const std::string outPath = outputs.file("out");
    const std::string errPath = outputs.file("err");
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = terminal ? ::open(slave.c_str(), O_RDWR | O_NOCTTY)
                                 : ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(out, STDOUT_FILENO);
        ::dup2(err, STDERR_FILENO);
        if (password != nullptr) {
            ::setenv("VORBIX_PASSWORD", password, 1);
        } else {
            ::unsetenv("VORBIX_PASSWORD");
        }
        std::string program = VORBIXCTL_PATH;
        std::vector<std::string> copy = args;
        std::vector<char*> argv{program.data()};
        for (std::string& arg : copy) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    CtlRun run;
    const auto end = std::chrono::steady_clock::now() + 30s;
    int status = 0;
    while (std::chrono::steady_clock::now() < end) {
        if (::waitpid(pid, &status, WNOHANG) == pid) {
            run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            break;
        }
        // The terminal is read while the program runs, so that it never blocks on a full one.
        pollfd p{master, POLLIN, 0};
        if (master >= 0 && ::poll(&p, 1, 5) > 0) {
            char buffer[4096];
            const ssize_t n = ::read(master, buffer, sizeof buffer);
            if (n > 0) {
                run.err.append(buffer, static_cast<std::size_t>(n));
            }
        } else if (master < 0) {
            std::this_thread::sleep_for(5ms);
        }
    }
    if (run.status < 0) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
    }
    run.out = readAll(outPath);
    if (master >= 0) {
        pollfd p{master, POLLIN, 0};
        char buffer[4096];
        ssize_t n = 0;
        while (::poll(&p, 1, 50) > 0 && (n = ::read(master, buffer, sizeof buffer)) > 0) {
            run.err.append(buffer, static_cast<std::size_t>(n));
        }
        ::close(master);
    } else {
        run.err = readAll(errPath);
    }
    return run;
}

// The memory as a data file holds it: with erase blocks other than 2048 every slot is encoded, an
// erased one as an empty record.
std::string asEncoded(std::string image)
{
    const std::size_t length = 32; // KV4MUL-M
    for (std::size_t at = 0; at + length <= image.size(); at += length) {
        if (image.compare(at, length, std::string(length, 'F')) == 0) {
            image.replace(at, length, std::string(length, '0'));
        }
    }
    return image;
}

// A simulated KV4MUL-M (16-byte records, erase blocks of 256) with 32 slots on loopback TCP.
class VorbixctlTest : public ::testing::Test
{
protected:
    void startSim(std::vector<std::string> extra = {}, const std::string& tcp = "127.0.0.1:0")
    {
        std::vector<std::string> args = {"--folder", VORBIX_DATA_DIR,       "--model",     "KV4MUL-M", "--mem-end",
                                         "11FF",     "--control",           "127.0.0.1:0", "--tcp",    tcp,
                                         "--log",    folder.file("sim.log")};
        args.insert(args.end(), extra.begin(), extra.end());
        sim = std::make_unique<SimProcess>(args);
        if (sim->ready()) {
            control = connectLoopback("127.0.0.1", sim->port("control"));
        }
    }
    ~VorbixctlTest() override
    {
        if (control >= 0) {
            ::close(control);
        }
    }

    std::vector<std::string> tcp() const
    {
        return {"--folder", VORBIX_DATA_DIR, "--tcp", "127.0.0.1:" + std::to_string(sim->port("tcp"))};
    }
    static std::vector<std::string> with(std::vector<std::string> a, const std::vector<std::string>& b)
    {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    }
    std::string simMemory()
    {
        const std::string answer = controlCommand(control, "mem 1000 256");
        const std::string rest = controlCommand(control, "mem 1100 256");
        return answer.starts_with("OK ") && rest.starts_with("OK ") ? answer.substr(3) + rest.substr(3) : "";
    }

    vorbix::test::TempFolder folder;
    std::unique_ptr<SimProcess> sim;
    int control = -1;
};

TEST_F(VorbixctlTest, InfoPrintsTheReceiver)
{
    startSim();
    ASSERT_TRUE(sim->ready()) << sim->errors();
    const CtlRun run = runCtl(with(tcp(), {"info"}));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "model=KV4MUL-M\n"
                       "description=Receiver 4 relays, own function time per relay\n"
                       "relays=4\n"
                       "records=32\n"
                       "mem_start=0x1000\n"
                       "mem_end=0x11FF\n"
                       "status_addr=0x0F40\n"
                       "name_addr=0x0F10\n"
                       "pass_addr=0x0F20\n"
                       "erase_block=256\n"
                       "password_set=no\n");
    EXPECT_EQ(run.err, "") << "no progress or messages when stderr is not a terminal";
}

TEST_F(VorbixctlTest, DownloadWritesTheDataFileAndUploadPutsItBack)
{
    startSim({"--fill", "20", "--seed", "4"});
    ASSERT_TRUE(sim->ready()) << sim->errors();
    const std::string original = simMemory();
    const std::string file = folder.file("rx.rxd");
    CtlRun run = runCtl(with(tcp(), {"download", "-o", file}));
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> lines;
    ASSERT_TRUE(vorbix::text::readLines(file, lines));
    ASSERT_EQ(lines.size(), 3u + 2 * 32);
    EXPECT_EQ(lines[0], "KV4MUL-M");
    EXPECT_EQ(lines[1], "32");
    EXPECT_EQ(lines[2], asEncoded(original));
    EXPECT_EQ(lines[3], "1   0#####");
    EXPECT_EQ(lines[4], "x0 -");

    // Another receiver of the model takes the file: upload, read back, compare.
    sim.reset();
    startSim({"--fill", "32", "--seed", "9"});
    ASSERT_TRUE(sim->ready()) << sim->errors();
    ASSERT_NE(simMemory(), original);
    run = runCtl(with(tcp(), {"upload", file}));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(simMemory(), lines[2]);
}

TEST_F(VorbixctlTest, DryRunAndVerifyReadTheReceiverAndWriteNothing)
{
    startSim({"--fill", "20", "--seed", "4"});
    ASSERT_TRUE(sim->ready()) << sim->errors();
    const std::string file = folder.file("rx.rxd");
    ASSERT_EQ(runCtl(with(tcp(), {"download", "-o", file})).status, 0);
    // The ID and the user texts live in the data file alone: the receiver is not compared on them.
    std::vector<std::string> lines;
    ASSERT_TRUE(vorbix::text::readLines(file, lines));
    lines[3] = "1   7#Gate#North#B#C";
    folder.write("rx.rxd", vorbix::text::joinLinesCrLf(lines));
    CtlRun run = runCtl(with(tcp(), {"verify", file}));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "0 added, 0 removed, 0 changed\n");

    // Another receiver: the dry run shows what the upload would change, and sends no erase or write.
    sim.reset();
    startSim({"--fill", "32", "--seed", "9"});
    ASSERT_TRUE(sim->ready()) << sim->errors();
    const std::string before = simMemory();
    run = runCtl(with(tcp(), {"upload", file, "--dry-run", "--json"}));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("{\"kind\":\"added\""), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("{\"added\":"), std::string::npos) << run.out;
    const std::string log = folder.read("sim.log");
    EXPECT_EQ(log.find("erased"), std::string::npos) << log;
    EXPECT_EQ(log.find("wrote"), std::string::npos) << log;
    EXPECT_EQ(simMemory(), before);
    run = runCtl(with(tcp(), {"verify", file}));
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_NE(run.out.find(" removed, "), std::string::npos) << run.out;

    // After the upload the receiver holds the file: verify agrees, and a diff of two downloads finds
    // the same records.
    ASSERT_EQ(runCtl(with(tcp(), {"upload", file})).status, 0);
    EXPECT_EQ(runCtl(with(tcp(), {"verify", file})).status, 0);
    const std::string again = folder.file("again.rxd");
    ASSERT_EQ(runCtl(with(tcp(), {"download", "-o", again})).status, 0);
    run = runCtl({"--folder", VORBIX_DATA_DIR, "diff", file, again});
    EXPECT_EQ(run.status, 1) << "the ID and user texts of the first file differ: " << run.out;
    EXPECT_NE(run.out.find("  ID: \"7\" -> \"0\"\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("0 added, 0 removed, 1 changed"), std::string::npos) << run.out;
    EXPECT_EQ(runCtl({"--folder", VORBIX_DATA_DIR, "diff", again, again}).status, 0);
}

TEST_F(VorbixctlTest, ProgressGoesToATerminal)
{
    startSim({"--fill", "32"});
    ASSERT_TRUE(sim->ready()) << sim->errors();
    const CtlRun run = runCtl(with(tcp(), {"download", "-o", folder.file("p.rxd")}), nullptr, true);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("\rDownloading the memory from the receiver ... 50%"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("100%"), std::string::npos) << run.err;
}

TEST_F(VorbixctlTest, UploadRefusesAFileOfAnotherModel)
{
    startSim();
    ASSERT_TRUE(sim->ready()) << sim->errors();
    const std::string file = folder.write(
        "other.rxd", vorbix::text::joinLinesCrLf({"KV2MIN-S", "1", std::string(16, '0'), "1   0#####", "x0 -"}));
    const CtlRun run = runCtl(with(tcp(), {"upload", file}));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "vorbixctl: This file is for a different receiver type than the connected receiver.\n");
    EXPECT_EQ(folder.read("sim.log").find("erased"), std::string::npos) << "nothing was sent";
}

TEST_F(VorbixctlTest, PasswordIsWrittenAndThenRequired)
{
    startSim({"--password", "old"});
    ASSERT_TRUE(sim->ready()) << sim->errors();
    CtlRun run = runCtl(with(tcp(), {"info"}));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "vorbixctl: Wrong password.\n");

    run = runCtl(with(tcp(), {"--password", "old", "passwd", "Secret-16-chars!"}));
    EXPECT_EQ(run.status, 0) << run.err;
    run = runCtl(with(tcp(), {"info"}), "Secret-16-chars!");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("password_set=yes\n"), std::string::npos) << run.out;

    run = runCtl(with(tcp(), {"passwd", "Secret-17-chars!!"}), "Secret-16-chars!");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "vorbixctl: The password can have at most 16 characters.\n");
    run = runCtl(with(tcp(), {"passwd", ""}), "Secret-16-chars!");
    EXPECT_EQ(run.status, 0) << run.err;
    run = runCtl(with(tcp(), {"info"}));
    EXPECT_NE(run.out.find("password_set=no\n"), std::string::npos) << run.out;
}

TEST_F(VorbixctlTest, ConnectionComesFromTheFolderSettings)
{
    startSim({"--fill", "3"});
    ASSERT_TRUE(sim->ready()) << sim->errors();
    folder.copyData("Rx.def");
    folder.copyData("US.lng");
    folder.write("Vorbix.ini", "[Setup]\r\nConnectionType=1\r\nIPAddress=127.0.0.1\r\nIPPort=" +
                                   std::to_string(sim->port("tcp")) + "\r\n");
    const CtlRun run = runCtl({"--folder", folder.path(), "info"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("model=KV4MUL-M\n"), std::string::npos);
}

TEST_F(VorbixctlTest, FramedGatewayOnPort5000)
{
    const std::string gateway = vorbix::test::uniqueLoopbackAddress() + ":5000";
    startSim({"--fill", "5"}, gateway);
    ASSERT_TRUE(sim->ready()) << sim->errors();
    const std::string file = folder.file("framed.rxd");
    const CtlRun run = runCtl({"--folder", VORBIX_DATA_DIR, "--tcp", gateway, "download", "-o", file});
    EXPECT_EQ(run.status, 0) << run.err;
    std::vector<std::string> lines;
    ASSERT_TRUE(vorbix::text::readLines(file, lines));
    EXPECT_EQ(lines.at(2), asEncoded(simMemory()));
}

TEST_F(VorbixctlTest, SerialLineWithDumpReads)
{
    const std::string pty = folder.file("ttyRx");
    sim = std::make_unique<SimProcess>(std::vector<std::string>{"--folder", VORBIX_DATA_DIR, "--model", "KV4MUL-M",
                                                                "--mem-end", "11FF", "--fill", "7", "--pty", pty,
                                                                "--control", "127.0.0.1:0"});
    ASSERT_TRUE(sim->ready()) << sim->errors();
    control = connectLoopback("127.0.0.1", sim->port("control"));
    const std::string file = folder.file("dump.rxd");
    const CtlRun run = runCtl({"--folder", VORBIX_DATA_DIR, "--com", "5", "--serial", pty, "--speed", "57600",
                               "--dump-read", "download", "-o", file});
    EXPECT_EQ(run.status, 0) << run.err;
    std::vector<std::string> lines;
    ASSERT_TRUE(vorbix::text::readLines(file, lines));
    EXPECT_EQ(lines.at(2), asEncoded(simMemory()));
}

TEST_F(VorbixctlTest, FailuresExitWithOneAndTheMessage)
{
    // Nothing listens on the port: the connect is refused.
    const CtlRun refused = runCtl({"--folder", VORBIX_DATA_DIR, "--tcp", "127.0.0.1:1", "info"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("Can't connect"), std::string::npos) << refused.err;

    const CtlRun noPort = runCtl({"--folder", VORBIX_DATA_DIR, "--serial", folder.file("missing"), "info"});
    EXPECT_EQ(noPort.status, 1);
    EXPECT_EQ(noPort.err, "vorbixctl: The serial port cannot be opened. It may not exist or may be used by another "
                          "program. - " +
                              folder.file("missing") + ": No such file or directory\n");

    const CtlRun noLanguage = runCtl({"--folder", folder.path(), "--tcp", "127.0.0.1:1", "info"});
    EXPECT_EQ(noLanguage.status, 1);
    EXPECT_EQ(noLanguage.err, "vorbixctl: US languge file can not be open! - " + folder.file("US.lng") +
                                  ": No such file or directory\n");

    // Settings that are there but cannot be read stop the tool before it connects anywhere.
    ASSERT_EQ(::mkdir(folder.file("Vorbix.ini").c_str(), 0755), 0);
    const CtlRun badSettings = runCtl({"--folder", folder.path(), "info"});
    EXPECT_EQ(badSettings.status, 1);
    EXPECT_EQ(badSettings.err, "vorbixctl: Unable to read " + folder.file("Vorbix.ini") + ": Is a directory\n");
}

TEST_F(VorbixctlTest, DamagedOrFaultyFilesNeverReachTheReceiver)
{
    startSim({"--fill", "20", "--seed", "3"});
    ASSERT_TRUE(sim->ready()) << sim->errors();
    const std::string before = simMemory();
    const std::string good = folder.file("good.rxd");
    ASSERT_EQ(runCtl(with(tcp(), {"download", "-o", good})).status, 0);
    std::vector<std::string> lines;
    ASSERT_TRUE(vorbix::text::readLines(good, lines));

    std::vector<std::string> lowerCase = lines;
    lowerCase[2][5] = 'a';
    const std::string damaged = folder.write("damaged.rxd", vorbix::text::joinLinesCrLf(lowerCase));
    CtlRun run = runCtl(with(tcp(), {"upload", damaged}));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "vorbixctl: Invalid file format - " + damaged + "\n");

    std::vector<std::string> badComment = lines;
    badComment[3] = "1   x#Gate####";
    const std::string faulty = folder.write("faulty.rxd", vorbix::text::joinLinesCrLf(badComment));
    run = runCtl(with(tcp(), {"upload", faulty}));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "vorbixctl: warning: Invalid file format\n"
                       "vorbixctl: the data file has format faults; nothing was uploaded (--force uploads it all "
                       "the same)\n");
    EXPECT_EQ(folder.read("sim.log").find("erased"), std::string::npos) << "nothing was sent";
    EXPECT_EQ(simMemory(), before);

    run = runCtl({"--folder", VORBIX_DATA_DIR, "show", faulty});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "warning: Invalid file format (" + faulty + ")\n");
    EXPECT_NE(run.out.find("Gate"), std::string::npos);

    run = runCtl(with(tcp(), {"upload", faulty, "--force"}));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(simMemory(), lines[2]);
}

// Names in receiver memory may hold any byte; what a download makes of them must survive a data
// file and an upload without breaking either.
TEST(VorbixctlTextTest, ControlBytesInNamesComeBackAsReadableTexts)
{
    vorbix::test::TempFolder folder;
    // KV1MOD-T: O O S S S S S B K K T T T T, then 18 digits of E holding the name.
    const std::string head1 = "01123458010000";
    const std::string head2 = "02234564010000";
    const std::string name1 = "410A420D23431F4445"; // A LF B CR # C US D E
    const std::string name2 = "476174650000000000"; // Gate
    const std::string erased = std::string(32, 'F');
    std::string image = head1 + name1 + head2 + name2;
    // 128 slots of 16 bytes.
    for (int slot = 3; slot <= 128; ++slot) {
        image += erased;
    }
    std::vector<std::string> file = {"KV1MOD-T", "128", image};
    for (int slot = 1; slot <= 128; ++slot) {
        file.push_back(vorbix::model::slotField(slot) + "0#####");
        file.push_back("x0 -");
    }
    const std::string source = folder.write("source.rxd", vorbix::text::joinLinesCrLf(file));
    auto startSim = [&](const std::vector<std::string>& extra) {
        std::vector<std::string> args = {"--folder",    VORBIX_DATA_DIR, "--model",   "KV1MOD-T",
                                         "--mem-start", "1000",          "--mem-end", "17FF",
                                         "--control",   "127.0.0.1:0",   "--tcp",     "127.0.0.1:0"};
        args.insert(args.end(), extra.begin(), extra.end());
        return std::make_unique<SimProcess>(args);
    };
    auto memoryOf = [](SimProcess& sim) {
        const int control = connectLoopback("127.0.0.1", sim.port("control"));
        const std::string answer = controlCommand(control, "mem 1000 256");
        ::close(control);
        return answer.starts_with("OK ") ? answer.substr(3) : std::string();
    };
    auto tcpOf = [](SimProcess& sim) {
        return std::vector<std::string>{"--folder", VORBIX_DATA_DIR, "--tcp",
                                        "127.0.0.1:" + std::to_string(sim.port("tcp"))};
    };

    auto original = startSim({"--load", source});
    ASSERT_TRUE(original->ready()) << original->errors();
    ASSERT_EQ(memoryOf(*original), image.substr(0, 512)) << "the first 16 slots";
    const std::string downloaded = folder.file("downloaded.rxd");
    std::vector<std::string> args = tcpOf(*original);
    args.insert(args.end(), {"download", "-o", downloaded});
    CtlRun run = runCtl(args);
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> lines;
    ASSERT_TRUE(vorbix::text::readLines(downloaded, lines));
    ASSERT_EQ(lines.size(), 3u + 2 * 128) << "no line was split";
    EXPECT_EQ(lines[3], "1   0#A B  C DE####");
    EXPECT_EQ(lines[5], "2   0#Gate####");

    auto fresh = startSim({});
    ASSERT_TRUE(fresh->ready()) << fresh->errors();
    args = tcpOf(*fresh);
    args.insert(args.end(), {"upload", downloaded});
    run = runCtl(args);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string uploaded = memoryOf(*fresh);
    ASSERT_EQ(uploaded.size(), 512u);
    EXPECT_EQ(uploaded.substr(0, 14), head1) << "outside the name, slot 1 is as it was";
    EXPECT_EQ(uploaded.substr(14, 18), "412042202043204445")
        << "the name, with blanks for the bytes a file cannot hold";
    EXPECT_EQ(uploaded.substr(32, 32), head2 + name2);
    EXPECT_EQ(uploaded.substr(64), image.substr(64, 512 - 64));
}

// 96 records of 16 bytes under KV1MOD-T's erase block of 2048: one erase covers the memory.
TEST(VorbixctlSmallMemoryTest, AMemorySmallerThanItsEraseBlockIsServed)
{
    vorbix::test::TempFolder folder;
    auto startSim = [&](const std::vector<std::string>& extra) {
        std::vector<std::string> args = {
            "--folder", VORBIX_DATA_DIR, "--model",     "KV1MOD-T", "--mem-start", "1000",  "--mem-end",
            "15FF",     "--control",     "127.0.0.1:0", "--tcp",    "127.0.0.1:0", "--log", folder.file("sim.log")};
        args.insert(args.end(), extra.begin(), extra.end());
        return std::make_unique<SimProcess>(args);
    };
    auto memoryOf = [](SimProcess& sim) {
        const int control = connectLoopback("127.0.0.1", sim.port("control"));
        std::string hex;
        for (unsigned address = 0x1000; address < 0x1600; address += 256) {
            const std::string answer = controlCommand(control, "mem " + vorbix::link::HexWord(address) + " 256");
            hex += answer.starts_with("OK ") ? answer.substr(3) : "?";
        }
        ::close(control);
        return hex;
    };
    auto ctl = [](SimProcess& sim, std::vector<std::string> args, const char* password = nullptr) {
        args.insert(args.begin(),
                    {"--folder", VORBIX_DATA_DIR, "--tcp", "127.0.0.1:" + std::to_string(sim.port("tcp"))});
        return runCtl(args, password);
    };

    auto original = startSim({"--fill", "20", "--seed", "2"});
    ASSERT_TRUE(original->ready()) << original->errors();
    CtlRun run = ctl(*original, {"info"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("records=96\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("erase_block=2048\n"), std::string::npos) << run.out;
    const std::string file = folder.file("small.rxd");
    run = ctl(*original, {"download", "-o", file});
    ASSERT_EQ(run.status, 0) << run.err;

    auto fresh = startSim({});
    ASSERT_TRUE(fresh->ready()) << fresh->errors();
    run = ctl(*fresh, {"upload", file});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(memoryOf(*fresh), memoryOf(*original));
    const std::string log = folder.read("sim.log");
    EXPECT_NE(log.find("erased 1000-15FF"), std::string::npos) << log;

    run = ctl(*fresh, {"passwd", "Page"});
    EXPECT_EQ(run.status, 0) << run.err;
    run = ctl(*fresh, {"info"}, "Page");
    EXPECT_NE(run.out.find("password_set=yes\n"), std::string::npos) << run.out << run.err;
}

TEST(VorbixctlUsageTest, UsageErrorsExitWithTwo)
{
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate"},
        {"--bogus", "info"},
        {"download"},
        {"download", "x.rxd"},
        {"upload"},
        {"upload", "--force"},
        {"upload", "a.rxd", "b.rxd"},
        {"passwd"},
        {"info", "extra"},
        {"--com", "x", "info"},
        {"--speed", "0", "info"},
        {"--tcp", "127.0.0.1", "info"},
        {"--tcp", "127.0.0.1:5000", "--com", "3", "info"},
        {"info", "--password"},
    };
    for (const auto& args : cases) {
        std::vector<std::string> full = {"--folder", VORBIX_DATA_DIR};
        full.insert(full.end(), args.begin(), args.end());
        const CtlRun run = runCtl(full);
        EXPECT_EQ(run.status, 2) << ::testing::PrintToString(args) << run.err;
        EXPECT_FALSE(run.err.empty());
    }
    const CtlRun help = runCtl({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("download -o FILE.rxd"), std::string::npos);
}

} // namespace

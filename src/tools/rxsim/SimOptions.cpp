#include "tools/rxsim/SimOptions.h"

#include "core/link/Checksum.h"
#include "core/text/ProgramFolder.h"
#include "core/text/TextFile.h"

#include <charconv>
#include <cstdlib>
#include <functional>
#include <map>

namespace vorbix::rxsim {
namespace {

bool parseDecimal(const std::string& text, unsigned& value)
{
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

bool parseAddress(std::string text, unsigned& value)
{
    if (text.starts_with("0x") || text.starts_with("0X")) {
        text = text.substr(2);
    }
    return text.size() <= 4 && link::ParseHex(text, value);
}

} // namespace

bool parseOptions(const std::vector<std::string>& args, SimOptions& options, std::string& error)
{
    using Setter = std::function<bool(const std::string&)>;
    auto decimal = [](std::optional<unsigned>& target) {
        return [&target](const std::string& v) {
            unsigned value = 0;
            const bool ok = parseDecimal(v, value);
            target = value;
            return ok;
        };
    };
    auto address = [](std::optional<unsigned>& target) {
        return [&target](const std::string& v) {
            unsigned value = 0;
            const bool ok = parseAddress(v, value);
            target = value;
            return ok;
        };
    };
    auto count = [](unsigned& target) { return [&target](const std::string& v) { return parseDecimal(v, target); }; };
    auto text = [](std::string& target) {
        return [&target](const std::string& v) {
            target = v;
            return !v.empty();
        };
    };
    SimFaults& f = options.faults;
    const std::map<std::string, Setter> withValue = {
        {"--model", text(options.modelName)},
        {"--mem-start", address(options.memStart)},
        {"--mem-end", address(options.memEnd)},
        {"--status-addr", address(options.statusAddr)},
        {"--name-addr", address(options.nameAddr)},
        {"--pass-addr", address(options.passAddr)},
        {"--record-size", decimal(options.recordSize)},
        {"--erase-block", decimal(options.eraseBlock)},
        {"--relays", decimal(options.relays)},
        {"--serial-digit", decimal(options.serialDigit)},
        {"--folder", text(options.folder)},
        {"--load", text(options.loadFile)},
        {"--fill", count(options.fill)},
        {"--seed",
         [&](const std::string& v) {
             const bool ok = parseDecimal(v, options.seed);
             f.seed = options.seed;
             return ok;
         }},
        {"--password",
         [&](const std::string& v) {
             options.password = v;
             return true;
         }},
        {"--save-on-exit", text(options.saveOnExit)},
        {"--tcp", text(options.tcp)},
        {"--pty", text(options.pty)},
        {"--control", text(options.control)},
        {"--events", text(options.events)},
        {"--event-rate",
         [&options](const std::string& v) {
             // "2", "0.5" or "2/s": events per second.
             const std::string number = v.ends_with("/s") ? v.substr(0, v.size() - 2) : v;
             char* end = nullptr;
             options.eventRate = number.empty() ? -1 : std::strtod(number.c_str(), &end);
             return end != nullptr && *end == '\0' && options.eventRate > 0 && options.eventRate <= 1000;
         }},
        {"--event-count", count(options.eventCount)},
        {"--event-command", text(options.eventCommand)},
        {"--baud", count(options.baud)},
        {"--report",
         [&](const std::string& v) {
             options.report = v.empty() ? '?' : v[0];
             return v == "U" || v == "R";
         }},
        {"--log", text(options.logFile)},
        {"--fault-echo", count(f.corruptEchoOfRecord)},
        {"--fault-refuse", count(f.refuseWrite)},
        {"--fault-drop", count(f.dropReplyCharacter)},
        {"--fault-stall", count(f.stallAfterRecords)},
        {"--fault-close", count(f.closeAfterBytes)},
        {"--fault-dump-address", count(f.wrongDumpLine)},
        {"--fault-checksum", count(f.badChecksumRecord)},
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
            continue;
        }
        if (arg == "--version") {
            options.version = true;
            continue;
        }
        const auto it = withValue.find(arg);
        if (it == withValue.end()) {
            error = "unknown option '" + arg + "' (see --help)";
            return false;
        }
        if (i + 1 >= args.size()) {
            error = "option " + arg + " needs a value";
            return false;
        }
        const std::string& value = args[++i];
        if (!it->second(value)) {
            error = "bad value '" + value + "' for " + arg;
            return false;
        }
    }
    if (options.help || options.version) {
        return true;
    }
    if (options.tcp.empty() == options.pty.empty()) {
        error = "give exactly one of --tcp ADDR:PORT and --pty LINK";
        return false;
    }
    return true;
}

bool settleFolder(SimOptions& options, std::string& error)
{
    if (options.folder.empty()) {
        std::string found;
        if (!text::findProgramFolder({}, found, error)) {
            return false;
        }
        if (text::fileExists(text::joinPath(found, text::kShippedMarker))) {
            options.folder = found;
        }
    }
    if (!options.loadFile.empty() && options.folder.empty()) {
        error = "--load needs --folder DIR, whose Rx.def describes the model of the data file";
        return false;
    }
    return true;
}

SimModel modelFromOptions(const SimOptions& options)
{
    SimModel model = namedModel(options);
    applyModelOptions(options, model);
    return model;
}

SimModel namedModel(const SimOptions& options)
{
    SimModel model;
    if (!builtInModel(options.modelName, model)) {
        model.name = options.modelName;
    }
    return model;
}

void applyModelOptions(const SimOptions& options, SimModel& model)
{
    auto apply = [](const std::optional<unsigned>& given, unsigned& field) {
        if (given) {
            field = *given;
        }
    };
    apply(options.memStart, model.memStart);
    apply(options.memEnd, model.memEnd);
    apply(options.statusAddr, model.statusAddr);
    apply(options.nameAddr, model.nameAddr);
    apply(options.passAddr, model.passAddr);
    apply(options.recordSize, model.recordSize);
    apply(options.eraseBlock, model.eraseBlock);
    apply(options.relays, model.relays);
    if (options.serialDigit) {
        model.setSerialAt(*options.serialDigit);
    }
}

std::string helpText()
{
    std::string models;
    for (const std::string& name : builtInModelNames()) {
        models += (models.empty() ? "" : ", ") + name;
    }
    return R"(Usage: vorbix-rxsim (--tcp ADDR:PORT | --pty LINK) [options]

Simulates a receiver on the far end of a serial line or a network gateway, so that Vorbix can be
tried and tested without hardware. Only loopback addresses (127.0.0.0/8) are accepted.

Line:
  --tcp ADDR:PORT       listen for one client at a time; port 0 picks a free port. On port 5000
                        the input is framed as a gateway frames it (length, code, 0, body; code 6
                        carries bytes for the receiver, other codes are swallowed); replies are
                        plain characters.
  --pty LINK            create a pseudo-terminal in raw mode and make LINK a symbolic link to it;
                        point Vorbix's serial port at LINK.
  --baud N              send no faster than an 8N1 line of N bit/s (10 bits per character).

Receiver:
  --model NAME          model name in the name block (built in: )" +
           models + R"(;
                        other names get the first model's layout)
  --mem-start HEX       first byte of the record memory
  --mem-end HEX         last byte of the record memory
  --status-addr HEX     status block
  --name-addr HEX       model name block
  --pass-addr HEX       password block
  --record-size N       bytes per memory slot
  --erase-block N       bytes erased by one erase record (2048 or 256 on the known models)
  --relays N            number of relays, 1 to 8
  --serial-digit N      record digit (from 0) where the five serial digits begin, the button
                        code following them (default 0)
  --folder DIR          take the model named by --model from DIR/Rx.def: record size, empty
                        record, relays, erase block, serial and button digits (the options
                        above still override them); without it, the program folder Vorbix
                        finds beside the simulator or, for an installed one, in
                        ~/.local/share/vorbix, when that holds an Rx.def
  --password TEXT       receiver password, at most 16 characters (default: none)
  --load FILE           initial records from a data file (*.rxd) of the model; needs a folder
  --fill N              write N random transmitters into slots 1..N
  --seed S              seed for --fill and for the faults (default 1)
  --save-on-exit FILE   write the memory as a data file when the simulator ends

Events:
  --control ADDR:PORT   accept control connections; one command per line, answered with a line
                        beginning "OK" or "ERR":
      press CODE BUTTON [R|U]    transmitter CODE (7 hex digits) pressed button BUTTON (1 hex digit)
      lowbatt CODE BUTTON [R|U]  the same, reporting a low battery
      input CODE INPUT [R|U]     input device (CODE begins with A) reports input code INPUT
      temp CODE RAW [R|U]        temperature sensor (CODE begins with B) reports RAW (4 hex digits)
      relay [MASK]               switch the relays to MASK (2 hex digits) locally and report them
                                 with 'O' + relay byte; without MASK only report
      status                     answer the status block (32 hex digits)
      mem ADDR COUNT             answer COUNT (1..256) bytes of memory from ADDR as hex
      save FILE                  write the memory as a data file
      stall on|off               stop answering (and reporting) until "stall off" or the next
                                 TCP client
      drop [MS]                  TCP: close the client's connection, as a gateway that loses its
                                 network, and close new ones at once for MS milliseconds
      rate N [COUNT]             from now on send N events per second (0 stops), COUNT of them
                                 (default: without end), as --event-rate does
      quit                       end the simulator
    Each event writes the status block (button, code, temperature, low battery, memory slot of
    the transmitter or FFFF, relay byte) and sends 'U' + 9 characters (button, code, battery
    digit) or 'R' alone.
  --events FILE         run control commands from FILE at start; "sleep MS" waits, "#" starts
                        a comment line
  --event-rate N[/s]    send N events per second (0.001 to 1000), each the command of
                        --event-command, or else a press of a random button 1-4 of a random
                        transmitter 01xxxxx (the same for the same --seed)
  --event-count K       stop after K events of --event-rate (default: never)
  --event-command CMD   the control command --event-rate sends, e.g. "press 0100001 1"
  --report U|R          what events send when the command does not say (default U)

Faults (each once; counts start at 1; positions follow --seed):
  --fault-echo K        corrupt one character of the echo of the K-th record
  --fault-refuse K      refuse ('R') the K-th write record
  --fault-drop K        drop one character of the K-th read or dump reply
  --fault-stall K       stop answering after K records, until the next TCP client connects
                        (on a pseudo-terminal for the rest of the run)
  --fault-close K       close the TCP connection once K bytes have been received since start
  --fault-dump-address K  give the K-th dump line a wrong address
  --fault-checksum K    answer the K-th record 'X', as if its checksum were wrong

Output:
  --log FILE            log every record (text, checksum verdict, what was done) to FILE
                        instead of stderr
  When ready, one line "READY ..." on stdout names the line and the control port.
  SIGTERM, SIGINT and the control command quit end the simulator cleanly.
  --help                this text
  --version             print the version and end

Replies: writes (types 00, 04, 0A, 0B) answer 'K' or 'R', then CR LF; a wrong checksum gets
'X'. The record memory behaves as flash: type 04 erases the erase block starting at its address,
and a type-00 write over bytes that are not erased is refused. Reads (01, 07, 09) answer
"AAAA DATA" CR LF '>' after the echoed CR LF; a type-09 read ending at the end of the record
memory is answered with 39-character dump lines, then '>'.
)";
}

} // namespace vorbix::rxsim

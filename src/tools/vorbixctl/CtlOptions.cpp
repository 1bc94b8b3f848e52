#include "tools/vorbixctl/CtlOptions.h"

#include "tools/vorbixctl/SharedOptions.h"

#include "core/text/ProgramFolder.h"

#include <limits>

namespace vorbix::ctl {
namespace {

// A port, a COM number or a speed: a whole number that fits an int.
bool parsePositive(const std::string& text, int& value)
{
    long long read = 0;
    if (!parseBoundedNumber(text, std::numeric_limits<int>::max(), read)) {
        return false;
    }
    value = static_cast<int>(read);
    return true;
}

bool takesValue(const std::string& option)
{
    return option == "--folder" || option == "--com" || option == "--serial" || option == "--speed" ||
           option == "--tcp" || option == "--password";
}

} // namespace

bool parseGlobalOptions(const std::vector<std::string>& args, GlobalOptions& options, std::string& error)
{
    bool onlyCommandArgs = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (onlyCommandArgs) {
            options.commandArgs.push_back(arg);
            continue;
        }
        if (arg == "--") {
            onlyCommandArgs = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            options.help = true;
            continue;
        }
        if (arg == "--version") {
            options.version = true;
            continue;
        }
        if (arg == "--dump-read") {
            options.dumpRead = true;
            continue;
        }
        if (takesValue(arg)) {
            if (i + 1 >= args.size()) {
                error = "option " + arg + " needs a value";
                return false;
            }
            const std::string& value = args[++i];
            int number = 0;
            if (arg == "--folder") {
                options.folder = value;
            } else if (arg == "--com") {
                if (!parsePositive(value, number)) {
                    error = "bad port number '" + value + "' for --com";
                    return false;
                }
                options.com = number;
            } else if (arg == "--serial") {
                options.serial = value;
            } else if (arg == "--speed") {
                if (!parsePositive(value, number)) {
                    error = "bad speed '" + value + "' for --speed";
                    return false;
                }
                options.speed = number;
            } else if (arg == "--tcp") {
                const std::size_t colon = value.rfind(':');
                int port = 0;
                if (colon == std::string::npos || colon == 0 || !parsePositive(value.substr(colon + 1), port) ||
                    port > 65535) {
                    error = "--tcp needs ADDRESS:PORT, not '" + value + "'";
                    return false;
                }
                options.tcpAddress = value.substr(0, colon);
                options.tcpPort = value.substr(colon + 1);
            } else {
                options.password = value;
            }
            continue;
        }
        if (options.command.empty()) {
            if (arg.starts_with("-")) {
                error = "unknown option '" + arg + "'";
                return false;
            }
            options.command = arg;
        } else {
            options.commandArgs.push_back(arg);
        }
    }
    if (options.tcpAddress && (options.com || options.serial || options.speed || options.dumpRead)) {
        error = "--tcp cannot be combined with --com, --serial, --speed or --dump-read";
        return false;
    }
    return true;
}

bool resolveProgramFolder(GlobalOptions& options, std::string& error)
{
    return text::findProgramFolder(options.folder, options.folder, error);
}

std::string programFolderOf(const GlobalOptions& options)
{
    return text::withoutTrailingSeparator(options.folder);
}

std::string usageText()
{
    return R"(Usage: vorbixctl [options] COMMAND [arguments]

Talks to a receiver over a serial port or a network gateway.

Commands:
  info                   log in and print the receiver's model and memory, one key=value a line
  download -o FILE.rxd   log in, download the memory and write it as a data file
  upload FILE.rxd [--force]
                         log in, upload a data file of the receiver's model, then read the
                         memory back and compare it with what was written; a file with
                         format warnings is refused unless --force is given
  upload FILE.rxd --dry-run [--json]
                         log in, read the memory and print what the upload would change
                         (records added, removed, changed by transmitter); writes nothing
  verify FILE.rxd [--json]
                         the same comparison; exit 0 when the receiver holds what the file
                         says, 1 with the differences
  passwd NEW             write a new receiver password (at most 16 characters; empty removes it)
  watch [--count N] [--seconds S] [--json]
                         go on-line and print a line for each event the receiver reports (its
                         status block), each relay report and each change of the link, until N
                         events, S seconds, or Ctrl+C
  relay on|off RELAYS    switch relays on or off (RELAYS: a list like 1,3, or all)
  relay pulse RELAYS --time SECONDS
                         switch relays on for SECONDS (0.5 to 6553.5, in tenths; the time used
                         is printed)
  relay status           print each relay of the receiver with its state, "N<TAB>on|off"
  show FILE.rxd [--view memory|file] [--sort N] [--desc]
                         print the memory or file view of a data file as tab-separated UTF-8
                         lines, title row first, the last column "faulty"; needs no receiver
  history [--json]       print the folder's History.dat in file order: tab-separated UTF-8
                         fields, or one JSON object a line; needs no receiver
  battery [--json]       the same for the folder's LowBatt.dat
  export FILE.rxd [--view memory|file] -o OUT.xlsx|OUT.csv|OUT.xls [--format xlsx|csv|sylk] [--json]
  export --history|--battery -o OUT [--format ...] [--json]
                         write the view of a data file (default the file view, with the
                         folder's columns and sort) or a list as a workbook, UTF-8 CSV or
                         SYLK file (by the extension, or --format); needs no receiver
  import FILE.rxd --csv IN.csv -o OUT.rxd [--json] [--skip-bad]
                         check every row of a CSV file with the file view's columns by the
                         record dialog's rules and write the data file with them; any
                         refused row: exit 1 and no file, unless --skip-bad
  diff A.rxd B.rxd [--json]
                         compare the records of two data files by transmitter; exit 0 same,
                         1 different
  print FILE.rxd [--view memory|file] --pdf OUT.pdf [--json]
  print --history|--battery --pdf OUT.pdf [--json]
                         lay the same table out as the program prints it, into an A4 PDF
  accounts [--json]      the application user accounts of the folder's Ucty.dat: name, rights
                         and connection profile (never the password); needs no receiver
  monitor-show FILE.mon [--json]
                         print a monitor setup: a line per message and an indented line per
                         Active or Deactive event, or one JSON object per message; needs no
                         receiver
  monitor FILE.mon [--count N] [--seconds S] [--json]
                         go on-line and switch the messages of a monitor setup by the events
                         received: a line for each activation, re-activation and deactivation,
                         and for a lost and a restored receiver link, each also appended to the
                         folder's MonitorJournal.csv, until N lines, S seconds, or Ctrl+C
  bridge [--mqtt mqtt://HOST:PORT|mqtts://HOST:PORT] [--cafile FILE] [--username NAME]
         [--password-file FILE] [--client-id ID] [--topic PREFIX] [--discovery PREFIX]
         [--allow-relays] [--monitor FILE.mon] [--queue N]
                         go on-line and publish events, relay states, low batteries, monitor
                         alarms and the link state to an MQTT broker under PREFIX (default
                         vorbix/<model>); relay commands from PREFIX/relay/<n>/set only with
                         --allow-relays; the broker password from --password-file or
                         VORBIX_MQTT_PASSWORD, never the command line

Options:
  --folder DIR           program folder with Rx.def, the language file and Vorbix.ini
                         (default: the folder of vorbixctl when Rx.def lies beside it; for
                         an installed vorbixctl ~/.local/share/vorbix, as for Vorbix)
  --com N                serial port COM N (/dev/ttyS(N-1) unless Vorbix.ini's [SerialPorts]
                         maps it)
  --serial PATH          serial device to use as the port (for example /dev/ttyUSB0)
  --speed BPS            serial line speed
  --dump-read            serial downloads with dump reads
  --tcp ADDR:PORT        a network gateway; on port 5000 the data is framed
  --password TEXT        the receiver password (or the environment variable VORBIX_PASSWORD)
  --help                 this text
  --version              print the version and end
Without connection options the connection of the folder's Vorbix.ini is used.

Exit status: 0 success, 1 failure (the message on stderr), 2 usage error.
)";
}

} // namespace vorbix::ctl

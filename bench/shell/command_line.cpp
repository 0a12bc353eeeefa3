#include "bench/shell/command_line.h"

#include <QCommandLineParser>
#include <cstdlib>

namespace shell {

BenchArguments ParseBenchArguments(const QStringList& arguments)
{
    QCommandLineParser parser;
    // "-platform NAME" as the toolkit writes it, as well as "--platform NAME".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption home("home", "", "DIR");
    const QCommandLineOption batch("batch", "", "FILE");
    const QCommandLineOption platform("platform", "", "NAME");
    const QCommandLineOption help(QStringList{"h", "help"});
    const QCommandLineOption version(QStringList{"V", "version"});
    parser.addOptions({home, batch, platform, help, version});

    BenchArguments result;
    if (!parser.parse(arguments)) {
        result.error = parser.errorText().toStdString();
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.error =
            "Unexpected argument '" + parser.positionalArguments().constFirst().toStdString() + "'.";
        return result;
    }
    const auto value = [&](const QCommandLineOption& option) -> std::optional<std::string> {
        if (!parser.isSet(option)) return std::nullopt;
        return parser.value(option).toStdString();
    };
    result.home = value(home);
    result.batch = value(batch);
    result.platform = value(platform);
    for (const auto* named : {&result.home, &result.batch, &result.platform}) {
        if (*named && (*named)->empty()) result.error = "An option was given an empty value.";
    }
    result.help = parser.isSet(help);
    result.version = parser.isSet(version);
    return result;
}

std::string BenchUsage()
{
    return "Usage: signbench [OPTION]...\n"
           "Test bench for the frame protocol of LED message signs: compose a command on\n"
           "one of the pages, see its frame as hex text, send it over RS232 or TCP/IP and\n"
           "watch the exchange in the communication monitor.\n"
           "\n"
           "Options:\n"
           "  --home DIR         keep setup.cfg, _temp/ and _font/ in DIR\n"
           "  --batch FILE       run a script of operator actions without a window and exit\n"
           "  --platform NAME    the display platform of the toolkit (xcb, wayland,\n"
           "                     offscreen, ...), as QT_QPA_PLATFORM\n"
           "  -h, --help         show this help and exit\n"
           "  -V, --version      show the version and exit\n"
           "\n"
           "The home folder is --home DIR, else $SIGNBENCH_HOME, else the program's own\n"
           "folder when writable, else $XDG_CONFIG_HOME/signbench (~/.config/signbench),\n"
           "seeded with the shipped setup.cfg.\n"
           "\n"
           "A batch script has one action a line, by control name: set, choose, index,\n"
           "tick, untick, click, cell, select, answer ok|cancel, file PATH, show, grid,\n"
           "visible, cancel N, sleep MS; # starts a comment. Monitor lines, boxes\n"
           "([BOX] ...) and the protocol view after each click ([VIEW] ...) are printed.\n"
           "\n"
           "Without --batch the window needs a display: DISPLAY, WAYLAND_DISPLAY,\n"
           "QT_QPA_PLATFORM or --platform.\n"
           "\n"
           "Exit status: 0 when done, 1 when the window cannot start or the home folder\n"
           "cannot be prepared, 2 for a wrong command line or a batch line that names an\n"
           "unknown control, item or command.\n";
}

DisplayInputs DisplayInputsFromProcess()
{
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return {set("DISPLAY"), set("WAYLAND_DISPLAY"), set("QT_QPA_PLATFORM")};
}

std::string NoDisplayReason(const BenchArguments& arguments, const DisplayInputs& inputs)
{
    if (arguments.batch || arguments.platform || inputs.display || inputs.waylandDisplay ||
        inputs.platformVariable)
        return {};
    return "no display: neither DISPLAY nor WAYLAND_DISPLAY is set. Start it on a desktop, "
           "or use --batch FILE to run a script without a window.";
}

}  // namespace shell

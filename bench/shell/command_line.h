#pragma once

#include <QStringList>
#include <optional>
#include <string>

namespace shell {

// What the command line of signbench asks for.
struct BenchArguments {
    std::optional<std::string> home;      // --home DIR
    std::optional<std::string> batch;     // --batch FILE
    std::optional<std::string> platform;  // --platform NAME (the toolkit's display platform)
    bool help = false;
    bool version = false;
    std::string error;  // not empty: a wrong command line, named here
};

// Reads the arguments, program name first. Options may be written with one or two
// dashes and "--name=value"; anything unknown, a missing value or a stray argument
// is an error.
BenchArguments ParseBenchArguments(const QStringList& arguments);

// The --help text.
std::string BenchUsage();

// The environment that decides whether a window can be shown.
struct DisplayInputs {
    bool display = false;           // DISPLAY set and not empty
    bool waylandDisplay = false;    // WAYLAND_DISPLAY set and not empty
    bool platformVariable = false;  // QT_QPA_PLATFORM set and not empty
};

DisplayInputs DisplayInputsFromProcess();

// Empty when the window may start; otherwise why it cannot. A platform named on the
// command line or in QT_QPA_PLATFORM counts as a display chosen; --batch needs none.
std::string NoDisplayReason(const BenchArguments& arguments, const DisplayInputs& inputs);

}  // namespace shell

#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "bench/shell/batch_runner.h"
#include "bench/shell/bench_application.h"
#include "bench/shell/home_folder.h"
#include "bench/shell/tform1.h"

namespace {

struct Arguments {
    std::optional<std::string> home;
    std::optional<std::string> batch;
    std::string error;
};

Arguments ReadArguments(int argc, char** argv)
{
    Arguments arguments;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if ((argument == "--home" || argument == "--batch") && i + 1 < argc) {
            (argument == "--home" ? arguments.home : arguments.batch) = argv[++i];
        } else if (argument == "--home" || argument == "--batch") {
            arguments.error = argument + " needs a value";
        }
        // Anything else is left to the toolkit (-platform, -style, ...).
    }
    return arguments;
}

}  // namespace

int main(int argc, char** argv)
{
    const Arguments arguments = ReadArguments(argc, argv);
    if (!arguments.error.empty()) {
        std::fprintf(stderr, "signbench: %s\nusage: signbench [--home DIR] [--batch FILE]\n", arguments.error.c_str());
        return 2;
    }
    const bool noDisplay = !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY");
    if (arguments.batch || noDisplay) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    shell::BenchApplication application(argc, argv);

    QFile shipped(":/seed/setup.cfg");
    const std::string shippedSettings =
        shipped.open(QIODevice::ReadOnly) ? shipped.readAll().toStdString() : std::string();
    const shell::HomeChoice home = shell::ChooseHomeFolder(shell::HomeInputsFromProcess(arguments.home));
    std::string error;
    if (!shell::PrepareHomeFolder(home, shippedSettings, error)) {
        std::fprintf(stderr, "signbench: %s\n", error.c_str());
        return 1;
    }

    shell::TForm1 form(home.folder);
    application.SetErrorReporter([&form](const std::string& text) { form.ShowError(text); });

    if (arguments.batch) {
        shell::BatchSession session;
        session.print = [](const std::string& line) {
            std::fwrite(line.data(), 1, line.size(), stdout);
            std::fputc('\n', stdout);
            std::fflush(stdout);
        };
        form.SetBatchSession(&session);
        form.show();
        shell::BatchRunner runner(form, session);
        const int result = runner.RunFile(*arguments.batch);
        form.SetBatchSession(nullptr);
        return result;
    }
    form.show();
    return application.exec();
}

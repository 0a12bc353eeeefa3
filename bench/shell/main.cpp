#include <QFile>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "bench/shell/batch_runner.h"
#include "bench/shell/bench_application.h"
#include "bench/shell/command_line.h"
#include "bench/shell/home_folder.h"
#include "bench/shell/tform1.h"

int main(int argc, char** argv)
{
    QStringList words;
    for (int i = 0; i < argc; ++i) words << QString::fromLocal8Bit(argv[i]);
    const shell::BenchArguments arguments = shell::ParseBenchArguments(words);
    if (!arguments.error.empty()) {
        std::fprintf(stderr, "signbench: %s\nTry 'signbench --help' for more information.\n",
                     arguments.error.c_str());
        return 2;
    }
    if (arguments.help) {
        std::fputs(shell::BenchUsage().c_str(), stdout);
        return 0;
    }
    if (arguments.version) {
        std::fputs("signbench " SIGNBENCH_VERSION "\n", stdout);
        return 0;
    }
    if (const std::string why = shell::NoDisplayReason(arguments, shell::DisplayInputsFromProcess());
        !why.empty()) {
        std::fprintf(stderr, "signbench: %s\n", why.c_str());
        return 1;
    }
    if (arguments.batch) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    } else if (arguments.platform) {
        ::setenv("QT_QPA_PLATFORM", arguments.platform->c_str(), 1);
    }
    // Every argument is read above; the toolkit gets none of them.
    int toolkitArgc = 1;
    shell::BenchApplication application(toolkitArgc, argv);

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

#include "bench/shell/bench_application.h"

#include <cstdio>
#include <exception>

namespace shell {

BenchApplication::BenchApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool BenchApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        if (reporter_) {
            reporter_(error.what());
        } else {
            std::fprintf(stderr, "signbench: %s\n", error.what());
        }
    }
    return false;
}

}  // namespace shell

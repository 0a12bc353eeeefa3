#pragma once

#include <QApplication>
#include <functional>
#include <string>

namespace shell {

// The application object: an error that escapes an event handler is handed to the
// reporter (the standard error box) and the program goes on.
class BenchApplication : public QApplication {
public:
    BenchApplication(int& argc, char** argv);

    void SetErrorReporter(std::function<void(const std::string&)> reporter) { reporter_ = std::move(reporter); }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    std::function<void(const std::string&)> reporter_;
};

}  // namespace shell

#pragma once

#include <QWidget>

namespace shell {
class BenchHost;
}

// Stand-in until the page's own controls land: an empty page with its name.
class SwitchFileIdPage : public QWidget {
    Q_OBJECT
public:
    explicit SwitchFileIdPage(shell::BenchHost& host, QWidget* parent = nullptr);

private:
    shell::BenchHost& host_;
};

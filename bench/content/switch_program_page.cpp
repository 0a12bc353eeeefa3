#include "bench/content/switch_program_page.h"

#include "bench/shell/bench_host.h"

SwitchProgramPage::SwitchProgramPage(shell::BenchHost& host, QWidget* parent) : QWidget(parent), host_(host)
{
    setObjectName("TabSheet_Program2");
}

#include "bench/content/switch_file_id_page.h"

#include "bench/shell/bench_host.h"

SwitchFileIdPage::SwitchFileIdPage(shell::BenchHost& host, QWidget* parent) : QWidget(parent), host_(host)
{
    setObjectName("TabSheet_ProgramSelect");
}

#include "bench/device/setup_page.h"

#include "bench/shell/bench_host.h"

SetupPage::SetupPage(shell::BenchHost& host, QWidget* parent) : QWidget(parent), host_(host)
{
    setObjectName("TabSheet_Time");
}

#include "bench/content/variable_page.h"

#include "bench/shell/bench_host.h"

VariablePage::VariablePage(shell::BenchHost& host, QWidget* parent) : QWidget(parent), host_(host)
{
    setObjectName("TabSheet_StringFile");
}

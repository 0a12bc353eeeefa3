#include "bench/events/event_page.h"

#include "bench/shell/bench_host.h"

EventPage::EventPage(shell::BenchHost& host, QWidget* parent) : QWidget(parent), host_(host)
{
    setObjectName("TabSheet_Event");
}

// The two buttons of "Level 1. EVENT" on the "Switch File ID" page send event
// frames; their handlers live with the event commands.
#include <QComboBox>

#include "bench/content/switch_file_id_page.h"
#include "bench/events/event_frame.h"
#include "bench/events/send_event_frame.h"

void SwitchFileIdPage::BtnEventClick()
{
    // The start file id is the position chosen in the list ("0" ... "1023").
    events::SendEventFrame(host_, events::StartEventAt(CBStartProgram->currentIndex()));
}

void SwitchFileIdPage::BtnQuitEventClick() { events::SendEventFrame(host_, events::ExitEvent()); }

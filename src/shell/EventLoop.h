#pragma once
// The one event loop of Quellhort and its dispatch tables: every window's events arrive here and
// are handed by command or control number to the part that owns them. GUI thread.

#include "common/ui/Ui.h"

namespace shell {

// Handles one event: serves the close flags, re-lays out on a resize, dispatches commands and
// control events. Returns false when the loop is to end.
bool HandleEvent(const ui::Event& event);
// Waits for and handles events until one ends the loop.
void RunEventLoop();

}  // namespace shell

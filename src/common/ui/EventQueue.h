#pragma once
// Internal entry points of the event queue for the signal handlers of the layer.

#include "common/ui/Ui.h"

#include <vector>

namespace ui::detail {

void queueControlEvent(int control, ControlEventType type);
void queueMenuEvent(int command);
void queueWindowEvent(EventKind kind, int window);
void clearEventQueue();
// Removes and returns every queued event, oldest first.
std::vector<Event> takeQueuedEvents();

}  // namespace ui::detail

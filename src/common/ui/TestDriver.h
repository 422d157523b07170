#pragma once
// The test seam and driver of the UI layer. The seam replaces message boxes and the file dialog
// by scripted answers; the driver acts on the real Qt widgets as a user would, so that the
// signals and the event queue are exercised for real. GUI thread only.

#include "common/ui/Ui.h"

#include <functional>
#include <string>
#include <vector>

namespace ui::testing {

// ---- Scripted dialogs --------------------------------------------------------------------

struct ShownMessage {
    std::string title;
    std::string text;
    MessageIcon icon;
    MessageButtons buttons;
};

// From now on message boxes and the file dialog are not shown; they take the queued answers.
// With an empty queue a message box answers No (Yes/No) or Ok, and the file dialog "".
// Starts with an empty queue and an empty record.
void ScriptDialogs();
// Shows the real dialogs again.
void UnscriptDialogs();
void QueueAnswer(Answer answer);
void QueueFileDialogAnswer(const std::string& path);
// Every message box shown since ScriptDialogs or ClearShownMessages, in order.
const std::vector<ShownMessage>& ShownMessages();
void ClearShownMessages();
int FileDialogCount();

// ---- Driver ------------------------------------------------------------------------------

// Types text into a one-line field or an editor, key by key.
void TypeText(int control, const std::string& text);
void PressReturn(int control);
void Click(int control);
void RightClickControl(int control);
// Selects a tree item as a mouse click on it would (current item and a Click event).
void SelectTreeItem(int control, int item);
void RightClickTreeItem(int control, int item);
void SelectListRow(int control, int row);
void ChooseComboEntry(int control, int index);
// Chooses a menu item, toolbar button or popup item.
void TriggerCommand(int command);
// Resizes a window as the user would, through its frame.
void ResizeWindowByUser(int window, int width, int height);
void RequestClose(int window);
// Drags the splitter bar so that the first side becomes `position` wide.
void DragSplitter(int control, int position);

// Processes pending Qt events and returns the queued events of ours, in order.
std::vector<Event> TakeEvents();
// Waits (processing events) until cond holds or the deadline in milliseconds passes.
bool WaitFor(const std::function<bool()>& cond, int timeoutMs = 5000);

}  // namespace ui::testing

#pragma once
// The small program-wide state of Quellhort: the settings record, the event being handled, the
// close flags of the upload worker and the restart request.

#include "common/ui/Ui.h"
#include "shell/Settings.h"

#include <atomic>

namespace shell {

inline constexpr const char* kProductName = "Quellhort";
inline constexpr const char* kVersion = "1.2.2";

struct ShellState {
    SettingsRecord settings;
    ui::Event currentEvent;
    // Set by the upload worker, read and cleared by the event loop after every event.
    std::atomic<int> closeProgressFlag{0};
    std::atomic<int> closeFormFlag{0};
    int restartRequest = 0;
    // The updater was started: the program ends without its shutdown steps.
    bool endAtOnce = false;
};

// The one state of the running program (GUI thread, apart from the two flags).
ShellState& State();
// Puts the state back to its initial values (a new start in the same process, as tests do).
void ResetState();

// Ends the event loop in the pass that handles the current event.
void RequestQuit();
// Restarts the program after the settings are written at shutdown.
void RequestRestart();

// Called from the upload worker: sets the flag and wakes the event loop so it is served.
void SetCloseProgressFlag();
void SetCloseFormFlag();

}  // namespace shell
